#pragma once
// The furniture's colours as pixels, and a screen on which untouched pixels show.
#include <cstdint>

#include "support/surfaces.h"
#include "surface/canvas.h"

constexpr uint32_t background = 0x9B8B8B;
constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t black = 0x000000;
constexpr uint32_t slider_border = 0x444444;
constexpr uint32_t slider_fill = 0x666666;
constexpr uint32_t scroll_border = 0x555555;
constexpr uint32_t scroll_fill = 0x777777;
constexpr uint32_t value_blue = 0x3333AA;  // canvas 0x00AA3333 as a pixel
constexpr uint32_t marker = 0x123456;      // distinct from every furniture colour

// A screen-sized surface filled with the marker.
inline surface marked_screen() {
  surface s = create_surface(screen_width, screen_height);
  fill_surface(s, marker);
  return s;
}
