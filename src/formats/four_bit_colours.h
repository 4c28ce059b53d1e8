#pragma once
// The colours of 4-bit pictures (GoDot's): a pixel's value 0..15 is a step from dark to light,
// shown as the C64 colour of that brightness in GoDot's order.
#include <array>
#include <cstdint>

inline constexpr std::array<uint8_t, 16> four_bit_colours = {0,  6,  9, 11, 2, 4, 8,  12,
                                                             14, 10, 5, 15, 3, 7, 13, 1};

// The 4-bit pixel (x, y) of a 320 x 200 picture: the byte and whether it is the high nibble.
struct four_bit_place {
  uint16_t byte;
  bool high;
};
constexpr four_bit_place four_bit_pixel_at(int x, int y) {
  return {static_cast<uint16_t>((y / 8 * 40 + x / 8) * 32 + y % 8 * 4 + x % 8 / 2), x % 2 == 0};
}
