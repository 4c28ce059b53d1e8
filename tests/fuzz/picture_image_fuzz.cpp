// Fuzz harness: what the desktop's image plugins and the thumbnail command draw from bytes in
// memory. The first byte picks the name they come with (none, a picture's, a container's, or
// an extension of the format table), the rest is the file: a picture file or a container.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/identify.h"
#include "imaging/file_image.h"

namespace {

std::vector<std::string> make_names() {
  std::vector<std::string> names = {"",         "fuzz.vic", "fuzz.d64", "FUZZ.D81",
                                    "fuzz.t64", "fuzz.p00", "fuzz.zip", "fuzz.d64.gz"};
  for (const std::string_view extension : picture_extensions())
    names.push_back("fuzz." + std::string(extension));
  return names;
}

// Like the thumbnail command's, the workspace persists from one input to the next.
const std::vector<std::string> names = make_names();
const auto work = std::make_unique<picture_workspace>();
std::unique_ptr<container_stack> containers;
// Room for the largest picture, each canvas pixel drawn 2 x 2.
constexpr int widest = 2 * max_canvas_width;
std::vector<uint8_t> rgb(size_t{widest} * 2 * max_canvas_height * 3);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string& name = names[data[0] % names.size()];
  const result<picture_image> picture =
      draw_file_image({data + 1, size - 1}, name, default_palette, *work, containers);
  if (picture) copy_picture_rgb(*picture, rgb.data(), size_t{widest} * 3);
  return 0;
}
