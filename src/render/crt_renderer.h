#pragma once
// The CRT imitation: colours follow their targets along a line with inertia, and every
// picture line is drawn again one screen line lower, dimmed by the scan-line factor.
#include <cstdint>

#include "render/picture_context.h"

// Moves each state the fraction k of its distance to its target, computed in 80-bit extended
// precision and rounded to the nearest double when stored back.
inline void inertia_step(double& blue, double& green, double& red, double blue_target,
                         double green_target, double red_target, double k) {
  const long double f = k;
  const long double b = blue, g = green, r = red;
  blue = static_cast<double>(b - (b - static_cast<long double>(blue_target)) * f);
  green = static_cast<double>(g - (g - static_cast<long double>(green_target)) * f);
  red = static_cast<double>(r - (r - static_cast<long double>(red_target)) * f);
}

// The channel value times the factor, truncated: the product of an 8-bit value and a double
// is exact in extended precision, so it is never rounded before truncation.
inline uint8_t dimmed(uint8_t value, double factor) {
  return static_cast<uint8_t>(static_cast<long double>(value) * static_cast<long double>(factor));
}

// The lines of a buffer: how many, their entries, the screen columns each entry takes (one
// smoothing step each) and where the lines start on the screen.
struct render_lines_shape {
  int lines = 200;
  int line_entries = 320;
  int steps = 2;
  int column_shift = 0;
};

// Draws the target's buffer as shaped, every line twice (bright, then dimmed below it).
void render_canvas(picture_context& context, render_target target, const render_lines_shape& shape);

// Two frames rendered into the two work surfaces, shown as the eye sees them take turns on a CRT:
// every pixel of work surface A's picture becomes the mean of both surfaces' pixels, channel by
// channel, rounded down; work surface B is cleared to black.
void merge_frames(picture_context& context);

// Draws the 320-entry lines of the target's buffer as 2x2 screen pixels from (0, 0).
void render_320_wide(picture_context& context, render_target target);

// Draws the 160-entry lines of the target's buffer as 4x2 screen pixels from (0, 0);
// target B is drawn two columns further right, leaving columns 0 and 1 as they were.
void render_160_wide(picture_context& context, render_target target);
