#pragma once
// The box under the picture with its name and its format's name.
#include <string_view>

#include "surface/surface.h"

// Draws a dark grey box over columns 5..634 of lines 495..539 with the name in 12-point and
// the format name in 10-point light grey "Arial" on it.
void draw_caption(std::string_view name, std::string_view format_name, surface& work_surface);
