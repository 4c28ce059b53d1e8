#include "display/frame_compose.h"

#include <algorithm>

void compose_frame(const surface& base, std::span<const overlay> overlays, uint32_t* out,
                   int pitch) {
  for (int y = 0; y < base.height; ++y) {
    const uint32_t* row = base.pixels.data() + static_cast<size_t>(y) * base.width;
    std::copy(row, row + base.width, out + static_cast<size_t>(y) * pitch);
  }
  for (const overlay& o : overlays) {
    if (!o.image || !o.image->valid()) continue;
    const int x1 = std::max(o.x, 0), y1 = std::max(o.y, 0);
    const int x2 = std::min(o.x + o.image->width, base.width);
    const int y2 = std::min(o.y + o.image->height, base.height);
    if (x2 <= x1) continue;
    for (int y = y1; y < y2; ++y) {
      const uint32_t* from =
          o.image->pixels.data() + static_cast<size_t>(y - o.y) * o.image->width + (x1 - o.x);
      std::copy(from, from + (x2 - x1), out + static_cast<size_t>(y) * pitch + x1);
    }
  }
}
