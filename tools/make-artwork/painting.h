#pragma once
// The frame's materials: brushed dark metal with a rose tint, bevels, holes, rivets and the
// rainbow stripes.
#include <cstdint>
#include <string_view>

#include "rgba_image.h"

// Brushed metal over columns x1..x2-1, rows y1..y2-1, shading from top_rgb down to bottom_rgb.
void brushed_metal(rgba_image& img, int x1, int y1, int x2, int y2, uint32_t top_rgb,
                   uint32_t bottom_rgb);

// Lightens the top and left edges and darkens the bottom and right ones, depth pixels deep;
// negative strength sinks the area instead of raising it.
void bevel(rgba_image& img, int x1, int y1, int x2, int y2, int depth, int strength);

// Makes the area transparent and sinks its surrounding two pixels, a window onto the screen.
void window_hole(rgba_image& img, int x1, int y1, int x2, int y2);

// A small domed screw head centred on (cx, cy).
void rivet(rgba_image& img, int cx, int cy);

// Horizontal bands of the rainbow, each band_height rows, across columns x1..x2-1 from row y.
void rainbow_bands(rgba_image& img, int x1, int x2, int y, int band_height);

// Slanted rainbow bands rising to the right, band_width columns each, over rows y1..y2-1
// starting at column x at the bottom row.
void rainbow_slant(rgba_image& img, int x, int y1, int y2, int band_width);

// Pixel text in the title font, each font pixel a scale x scale block with a darker last row
// like a screen line, shaded from top_rgb to bottom_rgb, with a drop shadow.
void pixel_text(rgba_image& img, int x, int y, std::string_view text, int scale, uint32_t top_rgb,
                uint32_t bottom_rgb);

// Width in pixels of the text in the title font at that scale.
int pixel_text_width(std::string_view text, int scale);

// Text engraved into the metal: the glyphs darkened, a highlight below them.
void engraved_text(rgba_image& img, int x, int y, std::string_view text);
