#pragma once
// The box under the picture with its name and its format's name.
#include <string_view>

#include "surface/surface.h"

// The first line of the caption box under a picture that fits one screen.
constexpr int screen_caption_top = 495;

// Draws a dark grey box over columns 5..634 of lines top..top + 44 with the name in 12-point and
// the format name in 10-point light grey "Arial" on it, the note after the format name.
void draw_caption(std::string_view name, std::string_view format_name, surface& work_surface,
                  int top = screen_caption_top, std::string_view note = {});

// Writes text right-aligned on the format line of the caption box at top, over whatever that
// end of the line held before.
void draw_caption_position(surface& work_surface, int top, std::string_view text);
