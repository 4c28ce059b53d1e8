#include "gui/help_screen.h"

#include <algorithm>
#include <array>

#include "gui/furniture_style.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

struct key_line {
  int y;
  const char* key;
  const char* description;
};

constexpr std::array<key_line, 15> key_lines = {{
    {110, "ENTER", "- load and display picture"},
    {125, "ESCAPE", "- exit the Velora"},
    {140, "F3, F4", "- change simulated inertia"},
    {155, "F7, F8", "- change interlace frame rate"},
    {170, "F9, F10", "- change display mode"},
    {185, "F5, F6", "- change scanline value"},
    {200, "D / R", "- delete .vic file or empty directory / rename .vic file"},
    {240, "ENTER", "- back to requester"},
    {255, "PAGE UP", "- load and display previous picture"},
    {270, "PAGE DOWN", "- load and display next picture"},
    {285, "S", "- save picture as BMP or PNG"},
    {325, "BACKSPACE", "- up a directory, or out of a disk image"},
    {340, "DOUBLE CLICK", "- open the row clicked, as ENTER does"},
    {355, "F11", "- switch between full screen and window"},
    {370, "TAB", "- next button or field of a message or input box"},
}};

// The gap between the widest key name and the descriptions.
constexpr int key_gap = 12;

}  // namespace

void draw_help_screen(surface& display_surface) {
  surface& s = display_surface;
  clear_area(s, 25, 75, 603, 522);
  use_furniture_font(s, text_colour);
  draw_text(s, 30, 75, "KEYS:");
  draw_text(s, 30, 95, "Requester mode:");
  draw_text(s, 30, 225, "Display mode:");
  draw_text(s, 30, 310, "Also:");
  int key_width = 0;
  for (const key_line& line : key_lines) key_width = std::max(key_width, text_width(s, line.key));
  for (const key_line& line : key_lines) {
    s.canvas.font.colour = key_colour;
    draw_text(s, 30, line.y, line.key);
    s.canvas.font.colour = text_colour;
    draw_text(s, 30 + key_width + key_gap, line.y, line.description);
  }
  draw_text(s, 30, 510, "Press               to back...");
  // The key name sits in the sentence's gap; its solid cell must not reach "to back...".
  s.canvas.font.colour = key_colour;
  draw_text(s, 30 + text_width(s, "Press "), 510, "ENTER");
}
