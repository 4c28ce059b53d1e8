#include "render/caption.h"

#include "surface/canvas.h"
#include "text/text.h"

namespace {
constexpr uint32_t box_grey = 0x333333;
}  // namespace

void draw_caption(std::string_view name, std::string_view format_name, surface& work_surface,
                  int top, std::string_view note) {
  canvas_state& canvas = work_surface.canvas;
  canvas.brush_colour = box_grey;
  draw_rect(work_surface, 5, top, 635, top + 45);
  canvas.font.face = "Arial";
  canvas.font.colour = 0xCCCCCC;
  canvas.font.size_pt = 12;
  canvas.font.bold = false;
  draw_text(work_surface, 20, top + 5, name);
  canvas.font.size_pt = 10;
  draw_text(work_surface, 20, top + 25, format_name);
  if (!note.empty())
    draw_text(work_surface, 20 + text_width(work_surface, format_name) + 12, top + 25, note);
}

void draw_caption_position(surface& work_surface, int top, std::string_view text) {
  canvas_state& canvas = work_surface.canvas;
  const uint32_t pen = canvas.pen_colour;
  canvas.brush_colour = box_grey;
  canvas.pen_colour = box_grey;
  draw_rect(work_surface, 380, top + 22, 630, top + 42);
  canvas.pen_colour = pen;
  canvas.font.face = "Arial";
  canvas.font.colour = 0xCCCCCC;
  canvas.font.size_pt = 10;
  canvas.font.bold = false;
  draw_text(work_surface, 625 - text_width(work_surface, text), top + 25, text);
}
