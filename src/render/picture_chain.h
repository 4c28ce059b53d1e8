#pragma once
// From a loaded picture model to finished work surfaces, as showing a picture does.
#include "formats/format_table.h"
#include "render/picture_context.h"

// Draws the picture (draw_picture: both work surfaces cleared to black, two_surface_picture set
// from the format, the model decoded and rendered), then, when it is shown, the caption on
// work surface A and, for a format of two frames, on work surface B.
void render_picture(const format_entry& format, picture_context& context);
