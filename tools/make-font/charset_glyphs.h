#pragma once
// The 8x8 glyphs of the directory font, one per byte value.
#include <array>
#include <cstdint>

// Eight rows, the leftmost pixel in the high bit.
using glyph = std::array<uint8_t, 8>;

// The glyph of each byte value, and whether the byte has one.
struct charset {
  std::array<glyph, 256> glyphs{};
  std::array<bool, 256> present{};
};

// Every glyph of the set: letters, digits and punctuation at 0x20..0x5F, graphic characters at
// 0x60..0x7F and 0xA0..0xBF with their repeats above, reversed characters for control bytes.
charset make_directory_charset();
