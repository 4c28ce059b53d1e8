#pragma once
// Helpers for looking at furniture pixels in tests.
#include <cstdint>
#include <string>

#include "display/surface.h"

constexpr uint32_t background = 0x9B8B8B;
constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t black = 0x000000;
constexpr uint32_t slider_border = 0x444444;
constexpr uint32_t slider_fill = 0x666666;
constexpr uint32_t scroll_border = 0x555555;
constexpr uint32_t scroll_fill = 0x777777;
constexpr uint32_t value_blue = 0x3333AA;  // canvas 0x00AA3333 as a pixel
constexpr uint32_t marker = 0x123456;      // distinct from every furniture colour

// A screen-sized surface filled with the marker, so that untouched pixels show.
surface marked_screen();

// How many pixels of exactly that value lie in columns x1..x2-1, rows y1..y2-1.
int count_pixels(const surface& s, int x1, int y1, int x2, int y2, uint32_t value);

// Writes the surface as a PPM file under the test output folder, for looking at a failure.
void save_for_inspection(const surface& s, const std::string& name);
