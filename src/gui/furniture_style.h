#pragma once
// Colours and font of the screen furniture. Canvas colours are 0x00BBGGRR.
#include <cstdint>

#include "surface/surface.h"

constexpr uint32_t background_colour = 0x008B8B9B;  // greyish rose
constexpr uint32_t background_pixel = 0x009B8B8B;   // the same colour as a raw surface pixel
constexpr uint32_t text_colour = 0x00FFFFFF;        // texts, headings, descriptions
constexpr uint32_t key_colour = 0x00000000;         // key names and over-printed words
constexpr uint32_t value_colour = 0x00AA3333;       // panel values
constexpr uint32_t slider_border_colour = 0x00444444;
constexpr uint32_t slider_thumb_colour = 0x00666666;
constexpr uint32_t scroll_border_colour = 0x00555555;
constexpr uint32_t scroll_thumb_colour = 0x00777777;

// Sets the furniture font ("Arial", 8 points, bold) in the given colour on the surface's canvas.
void use_furniture_font(surface& s, uint32_t colour);

// Draws the rectangle with brush and pen both in background_colour, brush solid.
void clear_area(surface& s, int x1, int y1, int x2, int y2);
