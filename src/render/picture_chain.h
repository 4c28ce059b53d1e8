#pragma once
// From a loaded picture model to finished work surfaces, as showing a picture does.
#include "formats/format_table.h"
#include "render/picture_context.h"

// What the caption says after the format name of a picture drawn with our own character set
// where its file meant the C64's.
inline constexpr std::string_view own_glyphs_note = "(drawn with Velora's own characters)";
// And after that of a picture larger than the largest canvas.
inline constexpr std::string_view cropped_note = "(its first 640 x 400 pixels)";

// Shapes both work surfaces for the model's canvas, every pixel black, sets
// two_surface_picture from the format and decodes, renders and captions the model it loaded.
void render_picture(const format_entry& format, picture_context& context);
