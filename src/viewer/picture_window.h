#pragma once
// The window through which the picture screen shows a picture larger than its 320 x 200 area:
// where it lies on the picture, moving it a line or a column at a time, and what the caption
// says about it.
#include <array>
#include <string_view>

#include "formats/raster.h"
#include "surface/surface.h"

// How much of a picture the picture area shows: one screen of the C64.
constexpr int window_columns = 320;
constexpr int window_lines = 200;

struct picture_window {
  canvas_size canvas{};
  int first_line = 0;    // the picture's raster line at the window's top
  int first_column = 0;  // its hires column at the window's left

  // Whether the picture is larger than the window either way.
  bool scrolls() const { return canvas.height > window_lines || canvas.width > window_columns; }
};

// The window over a newly shown picture: its top left.
picture_window window_over(canvas_size canvas);

// Moves the window for a key of the picture screen: the cursor keys a line or a column, Home to
// the top left, End to the bottom right, never past the picture's edges. True when the key is
// one of these and the picture scrolls, whether or not the window moved.
bool move_window(picture_window& window, int key);

// Moves the window for the mouse wheel: up (positive) by lines, or by columns for a picture that
// is only wider than the window. True when the picture scrolls.
bool wheel_window(picture_window& window, int wheel);

// "lines 1–200 of 400", "columns 1–320 of 640", or both, into text; the view of it.
std::string_view window_position(const picture_window& window, std::array<char, 64>& text);

// The part of a work surface the picture screen shows: the window's part of the picture, and the
// caption under the picture.
struct window_areas {
  rect picture;
  rect caption;
};
window_areas areas_of(const picture_window& window);
