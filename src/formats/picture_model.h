#pragma once
// The C64 video memory image that loaders fill and decoders read. It is not cleared between
// pictures: a loader writes only what its format supplies.
#include <array>
#include <cstdint>

struct picture_model {
  std::array<uint8_t, 256> line_background{};  // one colour per raster line, low nibble
  std::array<uint8_t, 1024> color_ram{};       // one byte per 8x8 cell, low nibble
  // Eight screen RAMs interleaved: screen RAM r of cell c at c * 8 + r. Screen RAM r gives
  // the colours of pixel row r of every character row.
  std::array<uint8_t, 8192> screen_a{};
  std::array<uint8_t, 8192> screen_b{};
  // C64 bitmaps: byte r of cell c (pixel row r of the cell) at c * 8 + r.
  std::array<uint8_t, 8192> bitmap_a{};
  std::array<uint8_t, 8192> bitmap_b{};
  // A 4 KB video bank of sprite blocks, 64 bytes each, with a format's sprite colours in its
  // unused bytes (Crest UFLI's sprites under the bitmap).
  std::array<uint8_t, 4096> sprite_bank{};
};
