#pragma once
// A 24-bit copy of a surface, held as a device-independent bitmap holds it: rows bottom-up.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "surface/surface.h"

// The bytes of one bitmap row, padding included, for a surface this wide.
size_t bitmap_row_bytes(int width);

struct export_bitmap {
  int width = 0;
  int height = 0;
  // The bottom row first, each pixel blue, green, red, each row padded to a multiple of 4 bytes.
  std::vector<uint8_t> rows;

  size_t row_bytes() const { return bitmap_row_bytes(width); }
  // Row y of the surface it was taken from (0 at the top).
  const uint8_t* row(int y) const {
    return rows.data() + static_cast<size_t>(height - 1 - y) * row_bytes();
  }

  // Re-forms the bitmap to the surface's size and copies every pixel 0x00RRGGBB into it.
  void take_surface(const surface& source);
};

// Row y of the surface as a bitmap row: blue, green, red per pixel, then the padding.
void pack_bitmap_row(const surface& source, int y, uint8_t* out);
