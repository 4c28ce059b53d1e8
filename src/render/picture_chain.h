#pragma once
// From a loaded picture model to finished work surfaces, as showing a picture does.
#include "formats/format_table.h"
#include "render/picture_context.h"

// What the caption says after the format name of a picture drawn with our own character set
// where its file meant the C64's.
inline constexpr std::string_view own_glyphs_note = "(drawn with Velora's own characters)";
// And after that of a picture larger than the largest canvas.
inline constexpr std::string_view cropped_note = "(its first 640 x 400 pixels)";

// Draws the picture (draw_picture: both work surfaces shaped for the model's canvas, every
// pixel black, two_surface_picture set from the format, the model decoded and rendered), then,
// when it is shown, the caption below it on work surface A and, for a format of two frames, on
// work surface B.
void render_picture(const format_entry& format, picture_context& context);
