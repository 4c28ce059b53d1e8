#include "gui/panels.h"

#include <string>

#include "base/ascii_case.h"
#include "gui/furniture_style.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

struct slider_layout {
  int top;  // the panel's clear area starts here; the other rows follow from it
  const char* title;
};

// The two sliders share one layout; the scan-line panel lies 50 rows below the inertia panel.
void draw_slider_panel(surface& s, const slider_layout& layout, int thumb_offset) {
  const int y = layout.top;
  clear_area(s, 637, y, 790, y + 50);
  use_furniture_font(s, text_colour);
  draw_text(s, 644, y + 4, layout.title);
  draw_text(s, 646, y + 32, "high");
  draw_text(s, 765, y + 32, "low");
  s.canvas.pen_colour = slider_border_colour;
  draw_rect(s, 645, y + 20, 785, y + 30);
  s.canvas.brush_colour = slider_thumb_colour;
  draw_rect(s, 645 + thumb_offset, y + 20, 655 + thumb_offset, y + 30);
}

void draw_value_panel(surface& s, int y1, int y2, int heading_y, const char* heading,
                      const char* value) {
  clear_area(s, 634, y1, 787, y2);
  use_furniture_font(s, text_colour);
  draw_text(s, 644, heading_y, heading);
  s.canvas.font.colour = value_colour;
  draw_text(s, 644, heading_y + 15, value);
}

}  // namespace

void draw_inertia_panel(surface& display_surface, const crt_settings& crt) {
  const int index = crt.inertia_index <= 10 ? crt.inertia_index : 10;
  draw_slider_panel(display_surface, {80, "Monitor Inertia Simulation"}, 13 * index);
}

void draw_scanline_panel(surface& display_surface, const crt_settings& crt) {
  // 14.6 x index rounded to nearest, in tenths so that no half-way case depends on binary
  // fractions: 0, 15, 29, 44, 58, 73, 88, 102, 117, 131.
  const int index = crt.scanline_index <= 9 ? crt.scanline_index : 9;
  const int offset = (146 * index + 5) / 10;
  draw_slider_panel(display_surface, {130, "Scan line value"}, offset);
}

void draw_interlace_panel(surface& display_surface, uint8_t interlace_rate) {
  draw_value_panel(display_surface, 180, 220, 190, "Interlace refresh:",
                   interlace_rate == rate_each_frame ? "EACH FRAME" : "EVERY SECOND FRAME");
}

void draw_display_mode_panel(surface& display_surface, const crt_settings& crt) {
  draw_value_panel(display_surface, 225, 260, 225, "Display mode:",
                   crt.display_mode == display_interlaced ? "INTERLACED" : "STATIC");
}

void draw_status_line(surface& display_surface, std::string_view current_dir) {
  constexpr rect panel{30, 560, 600, 575};
  clear_area(display_surface, panel.x1, panel.y1, panel.x2, panel.y2);
  use_furniture_font(display_surface, text_colour);
  std::string text = ascii_upper(current_dir);
  // A path too long for the panel shows its end.
  constexpr std::string_view lead = "...";
  const int room = panel.x2 - panel.x1;
  if (text_width(display_surface, text) > room) {
    size_t cut = 0;
    const auto next_character = [&text](size_t at) {
      do ++at;
      while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
      return at;
    };
    do cut = next_character(cut);
    while (cut < text.size() &&
           text_width(display_surface, std::string(lead) + text.substr(cut)) > room);
    text = std::string(lead) + text.substr(cut);
  }
  draw_text_clipped(display_surface, panel, panel.x1, panel.y1, text);
}
