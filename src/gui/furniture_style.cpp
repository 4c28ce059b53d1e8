#include "gui/furniture_style.h"

#include "surface/canvas.h"

void use_furniture_font(surface& s, uint32_t colour) {
  s.canvas.font.face = "Arial";
  s.canvas.font.size_pt = 8;
  s.canvas.font.bold = true;
  s.canvas.font.colour = colour;
}

void clear_area(surface& s, int x1, int y1, int x2, int y2) {
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = background_colour;
  s.canvas.pen_colour = background_colour;
  draw_rect(s, x1, y1, x2, y2);
}
