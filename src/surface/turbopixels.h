#pragma once
// Direct pixel writes into one locked surface: one bounds test and one store per pixel.
#include <cstdint>

#include "surface/surface.h"

struct pixel_lock_state {
  uint32_t* first_pixel = nullptr;
  int pitch = 0;  // in pixels
  int last_column = -1;
  int last_row = -1;
};

// One lock per thread: the renderer of each picture state locks its own surface.
inline thread_local pixel_lock_state pixel_lock;

// Locks the whole surface for writing; false (and later writes ignored) when it has no pixels.
inline bool lock_pixels(surface& s) {
  if (!s.valid() || s.pixels.size() < static_cast<size_t>(s.width) * s.height) {
    pixel_lock = {};
    return false;
  }
  pixel_lock = {s.pixels.data(), s.width, s.width - 1, s.height - 1};
  return true;
}

inline void put_pixel(int x, int y, uint32_t value) {
  if (x >= 0 && x <= pixel_lock.last_column && y >= 0 && y <= pixel_lock.last_row)
    pixel_lock.first_pixel[x + pixel_lock.pitch * y] = value;
}

inline void unlock_pixels() {
  pixel_lock = {};
}
