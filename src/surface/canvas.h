#pragma once
// Drawing on surfaces with their canvas state. Every operation clips to the surface.
#include "surface/surface.h"

// Every pixel takes the raw value 0x00RRGGBB.
void fill_surface(surface& s, uint32_t pixel);

// Fills columns x1..x2-1, rows y1..y2-1 with the brush colour (unless the brush is clear)
// and draws the one-pixel border of that area in the pen colour.
void draw_rect(surface& s, int x1, int y1, int x2, int y2);

// A one-pixel line in the pen colour from (x1, y1) towards (x2, y2), the end point excluded.
void draw_line(surface& s, int x1, int y1, int x2, int y2);

// Copies the source rectangle (clipped to the source) to dest at (x, y), clipped to dest.
void copy_rect(surface& dest, int x, int y, const surface& source, const rect& r);
