#include "render/caption.h"

#include "surface/canvas.h"
#include "text/text.h"

void draw_caption(std::string_view name, std::string_view format_name, surface& work_surface) {
  canvas_state& canvas = work_surface.canvas;
  canvas.brush_colour = 0x333333;
  draw_rect(work_surface, 5, 495, 635, 540);
  canvas.font.face = "Arial";
  canvas.font.colour = 0xCCCCCC;
  canvas.font.size_pt = 12;
  canvas.font.bold = false;
  draw_text(work_surface, 20, 500, name);
  canvas.font.size_pt = 10;
  draw_text(work_surface, 20, 520, format_name);
}
