#include "gui/frame.h"

#include <array>

#include "gui/furniture_style.h"
#include "gui/panels.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

struct artwork_placement {
  const char* name;
  int x;
  int y;
};

constexpr std::array<artwork_placement, 4> artwork_placements = {{
    {"title_bar", 0, 0},
    {"left_bar", 0, 66},
    {"right_bar", 609, 66},
    {"bottom_bar", 18, 529},
}};

void draw_f1_hint(surface& s) {
  s.canvas.brush = brush_style::clear;
  use_furniture_font(s, text_colour);
  draw_text(s, 644, 490, "Press F1 to see keyboard");
  draw_text(s, 644, 505, "shortcuts");
  // The black key name lands exactly on the white "F1" of the sentence.
  s.canvas.font.colour = key_colour;
  draw_text(s, 644 + text_width(s, "Press "), 490, "F1");
  s.canvas.brush = brush_style::solid;
}

}  // namespace

result<> draw_frame(surface& display_surface, const frame_values& values,
                    const artwork_painter& draw_artwork) {
  surface& s = display_surface;
  fill_surface(s, background_pixel);
  for (const artwork_placement& art : artwork_placements)
    if (result<> drawn = draw_artwork(art.name, s, art.x, art.y); !drawn) return drawn;
  draw_f1_hint(s);
  draw_inertia_panel(s, values.crt);
  draw_interlace_panel(s, values.interlace_rate);
  draw_status_line(s, values.current_dir);
  draw_display_mode_panel(s, values.crt);
  draw_scanline_panel(s, values.crt);
  return {};
}

result<> draw_frame(surface& display_surface, const frame_values& values,
                    const artwork_list& artwork) {
  return draw_frame(display_surface, values,
                    [&artwork](std::string_view name, surface& target, int x, int y) {
                      return draw_artwork(artwork, name, target, x, y);
                    });
}
