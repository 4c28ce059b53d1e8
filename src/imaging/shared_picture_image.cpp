#include "imaging/shared_picture_image.h"

#include <memory>
#include <mutex>

#include "imaging/viewer_palette.h"

namespace {

struct shared_workspace {
  std::mutex in_use;
  picture_workspace work;
};

// Made on first use: a program that loads the plugin but never opens a C64 file pays nothing.
// Text screens are drawn with the character ROM the viewer finds: an emulator's, else the
// installed program's own sets.
shared_workspace& workspace() {
  static const auto shared = [] {
    auto made = std::make_unique<shared_workspace>();
    made->work.rom_data_dir = VELORA_INSTALLED_DATA_DIR;
    return made;
  }();
  return *shared;
}

}  // namespace

result<> with_picture_image(std::span<const uint8_t> bytes, std::string_view name,
                            const std::function<void(const picture_image&)>& use) {
  const palette_colours palette = viewer_palette_for(name);
  shared_workspace& shared = workspace();
  const std::lock_guard<std::mutex> hold(shared.in_use);
  const result<picture_image> drawn = draw_picture_file(bytes, name, palette, shared.work);
  if (!drawn) return drawn.why();
  use(*drawn);
  return {};
}
