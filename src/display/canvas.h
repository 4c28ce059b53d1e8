#pragma once
// Drawing on surfaces with their canvas state. Every operation clips to the surface.
#include <string_view>

#include "display/surface.h"

// Every pixel takes the raw value 0x00RRGGBB.
void fill_surface(surface& s, uint32_t pixel);

// Fills columns x1..x2-1, rows y1..y2-1 with the brush colour (unless the brush is clear)
// and draws the one-pixel border of that area in the pen colour.
void draw_rect(surface& s, int x1, int y1, int x2, int y2);

// A one-pixel line in the pen colour from (x1, y1) towards (x2, y2), the end point excluded.
void draw_line(surface& s, int x1, int y1, int x2, int y2);

// Text with the top-left corner of its cell at (x, y) in the canvas font; a solid brush
// fills the cell with the brush colour first. Text is UTF-8 (bytes that are not valid
// UTF-8 are shown as Latin-1); in a bitmap face registered with register_font_file every
// byte is one glyph code.
void draw_text(surface& s, int x, int y, std::string_view text);

// Width and height in pixels of the text's cell in the canvas font.
int text_width(const surface& s, std::string_view text);
int text_height(const surface& s);

// Copies the source rectangle (clipped to the source) to dest at (x, y), clipped to dest.
void copy_rect(surface& dest, int x, int y, const surface& source, const rect& r);
