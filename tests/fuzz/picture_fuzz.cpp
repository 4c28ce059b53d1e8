// Fuzz harness: the first byte picks a format and a display mode, the rest is the picture file;
// it is unpacked (for a packed format), loaded, decoded and rendered as showing a picture does.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "render/picture_chain.h"
#include "surface/surface.h"

namespace {

// Like the program's, the model and buffers persist from one input to the next.
picture_model model;
chunky_buffers chunky;
file_buffer file;
file_buffer unpacked;
crt_settings crt;
surface work_surface_a = create_surface(screen_width, screen_height);
surface work_surface_b = create_surface(screen_width, screen_height);
picture_context context{model, chunky, default_palette, crt, work_surface_a, work_surface_b, {}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const format_entry& format = format_table[(data[0] & 0x7F) % format_table.size()];
  crt.display_mode = data[0] >> 7 ? display_interlaced : display_static;
  context.caption = {"Fuzz.vic", format.name};
  // A file longer than the buffer contributes its first 65536 bytes, as reading one does.
  const size_t count = std::min<size_t>(size - 1, file.bytes.size());
  std::copy_n(data + 1, count, file.bytes.begin());
  std::fill(file.bytes.begin() + static_cast<ptrdiff_t>(count), file.bytes.end(), 0);
  if (load_picture(format, file, static_cast<uint32_t>(count), unpacked, model))
    render_picture(format, context);
  return 0;
}
