#pragma once
// The C64 video memory image that loaders fill and decoders read. It is not cleared between
// pictures: a loader writes only what its format supplies.
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "formats/raster.h"

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
  // Frame B's background colour for each raster line, where the two frames have their own.
  std::array<uint8_t, 256> line_background_b{};
  // A picture of 4-bit pixels (GoDot's): two a byte, the left one in the high nibble, four
  // bytes a pixel row, 32 bytes an 8x8 cell, cells row by row.
  std::array<uint8_t, 32000> four_bit_pixels{};

  // Pictures that are not one 320x200 screen of the arrays above: the picture's own size and,
  // for each of its frames, what the video chip shows on every raster line.
  canvas_size canvas{};
  std::array<raster_frame, 2> raster{};
  // The character ROM that text screens are drawn with; set by the program, not by a picture.
  character_rom rom{};
  // Whether the picture was drawn with our own character set where its file meant the C64's.
  bool drawn_with_own_glyphs = false;
  // Whether the picture is larger than the largest canvas and only its top left is shown.
  bool cropped = false;
};

// Every byte of the model 0 and its canvas one screen, as at program start, without a copy of
// the large model passing through the stack.
inline void clear_picture_model(picture_model& model) {
  static_assert(std::is_trivially_copyable_v<picture_model>);
  std::memset(static_cast<void*>(&model), 0, sizeof model);
  model.canvas = canvas_size{};
}
