#pragma once
// The 16 C64 colours by name, and their approximate looks for choosing the nearest colour.
#include <array>
#include <cstdint>

namespace c64 {
constexpr uint8_t black = 0, white = 1, red = 2, cyan = 3, purple = 4, green = 5, blue = 6,
                  yellow = 7, orange = 8, brown = 9, light_red = 10, dark_grey = 11, grey = 12,
                  light_green = 13, light_blue = 14, light_grey = 15;
}  // namespace c64

// The colour of each index as 0xRRGGBB, only used to judge which colour is nearest.
inline constexpr std::array<uint32_t, 16> c64_looks = {
    0x000000, 0xFFFFFF, 0x883932, 0x67B6BD, 0x8B3F96, 0x55A049, 0x40318D, 0xBFCE72,
    0x8B5429, 0x574200, 0xB86962, 0x505050, 0x787878, 0x94E089, 0x7869C4, 0x9F9F9F,
};

// The squared distance between the looks of two colours.
inline int colour_distance(uint8_t a, uint8_t b) {
  int sum = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((c64_looks[a & 15] >> shift) & 0xFF) -
                  static_cast<int>((c64_looks[b & 15] >> shift) & 0xFF);
    sum += d * d;
  }
  return sum;
}
