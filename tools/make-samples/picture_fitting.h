#pragma once
// Fitting a computed picture into a format's colour limits: per 8x8 cell (or per raster line
// of a cell) it picks the colours the pixels use most and gives every pixel the nearest of
// the colours allowed there.
#include <cstdint>

#include "formats/picture_model.h"
#include "sample_picture.h"

enum class background_source : uint8_t {
  per_line,  // each raster line has its own background colour
  single,    // one background colour for the whole picture
  black,     // the format fixes the background at black
};

struct picture_constraints {
  bool hires = false;            // two colours per cell line instead of four
  uint8_t frames = 1;            // 2: frame A on even and frame B on odd hires columns
  bool screen_per_line = false;  // FLI: a screen RAM for each raster line of a cell
  bool shared_screen = false;    // frame B uses frame A's screen RAMs
  bool shared_bitmap = false;    // frame B uses frame A's bitmap, with its own line backgrounds
  background_source background = background_source::black;
  bool mono_colours = false;      // fixed black, grey 2, grey 1 and light grey
  bool single_color_ram = false;  // one colour RAM byte serves every cell
  bool given_color_ram = false;   // the model's colour RAM is fixed; the rest fits around it
  bool single_screen = false;     // one screen byte serves every cell
  // Hires without colours: the screen byte every cell has (0x10: set bits white, clear ones
  // black), or 0.
  uint8_t fixed_screen = 0;
  // Hires without a bitmap: the bitmap byte every cell line has, or 0.
  uint8_t fixed_bitmap = 0;
  bool top_row_unused = false;  // hires: character row 0 is not pictured, its cells stay black
  // Hires with a screen RAM per two raster lines and sprite colours under clear bitmap bits.
  bool sprite_underlay = false;
  bool single_sprite_colour = false;  // the underlay's sprites share one colour
  bool four_bit = false;              // every pixel any of the 16 colours
};

// Fills the model regions the format carries: bitmaps, screens (all eight screen RAMs,
// copied where the format has one), colour RAM, line backgrounds 0..255 (frame B's too), the
// sprite bank, or the 4-bit pixels.
void fit_picture(const target_picture& picture, const picture_constraints& limits,
                 picture_model& model);
