#include "display/export_bitmap.h"

void export_bitmap::take_surface(const surface& source) {
  width = source.valid() ? source.width : 0;
  height = source.valid() ? source.height : 0;
  rows.assign(row_bytes() * static_cast<size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* out = rows.data() + static_cast<size_t>(height - 1 - y) * row_bytes();
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = source.at(x, y);
      *out++ = static_cast<uint8_t>(pixel);
      *out++ = static_cast<uint8_t>(pixel >> 8);
      *out++ = static_cast<uint8_t>(pixel >> 16);
    }
  }
}
