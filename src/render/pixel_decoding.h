#pragma once
// Turning the picture model into colour indexes, as the C64's video chip reads its memory,
// then rendering them into the work surfaces. Nothing here draws text: the caption is
// render_picture's (picture_chain.h), so what draws pictures alone never links the fonts.
#include <cstdint>

#include "formats/format_table.h"
#include "render/picture_context.h"

struct pixel_pair_location {
  uint16_t position;  // hires position of the pair's left pixel, line by line (0..63998)
  uint16_t row;       // raster line 0..199
  uint16_t cell;      // 8x8 cell 0..999
};

// Where pixel pair i (0..31999) lies in a 320x200 picture.
constexpr pixel_pair_location locate_pixel_pair(uint16_t i) {
  const uint16_t position = static_cast<uint16_t>(2 * i);
  const uint16_t row = position / 320;
  const uint16_t cell =
      static_cast<uint16_t>((position / 2560) * 40 + (position >> 3) - (position / 320) * 40);
  return {position, row, cell};
}

// Offset (0..7999) of the bitmap byte holding the hires pixel at position (0..63999):
// eight consecutive bytes per cell, one per raster line of the cell.
constexpr uint16_t bitmap_offset(uint16_t position) {
  const unsigned y = position / 320, x = position % 320;
  return static_cast<uint16_t>((y / 8) * 320 + (x / 8) * 8 + (y % 8));
}

// Both frames of a two-colour-set picture: in INTERLACED mode one 160-wide buffer and one
// work surface each; in STATIC mode frames A and B alternate in chunky_a, rendered 320 wide
// into work surface A, and two_surface_picture is cleared.
void decode_two_frame_multicolor(picture_context& context);

// A one-frame multicolour picture into chunky_a, rendered on work surface A.
void decode_multicolor(picture_context& context);

// A hires picture into chunky_a (320 wide), rendered on work surface A.
void decode_hires(picture_context& context);

// A hires picture with Crest UFLI's sprites under it: where a bitmap bit is clear and the
// sprite bit under the pixel is set, the pixel takes the sprite colour instead of the screen
// byte's low nibble. Into chunky_a, rendered on work surface A.
void decode_ufli(picture_context& context);

// Two hires frames pixel over pixel (hires interlace): in INTERLACED mode frame A into chunky_a
// and work surface A, frame B into chunky_b and work surface B, in turn on the screen; in STATIC
// mode both are rendered so and merged into work surface A, and two_surface_picture is cleared.
void decode_two_frame_hires(picture_context& context);

// Two multicolour frames pixel over pixel, frame B with its own line backgrounds, 160 wide;
// the frames meet as decode_two_frame_hires's do.
void decode_two_frame_multicolor_aligned(picture_context& context);

// A picture of 4-bit pixels into chunky_a (320 wide), each the colour of its brightness step,
// rendered on work surface A.
void decode_four_bit(picture_context& context);

// Runs the given decoding.
void run_decoding(decoding kind, picture_context& context);

// Shapes both work surfaces for the model's canvas, every pixel black, sets two_surface_picture
// from the format and runs its decoding on the model it loaded: the picture without its
// caption.
void draw_picture(const format_entry& format, picture_context& context);
