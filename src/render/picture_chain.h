#pragma once
// From a file's bytes to finished work surfaces, as showing a picture does after reading it.
#include "formats/format_table.h"
#include "render/picture_context.h"

// Clears both work surfaces to black; then, for a format that is shown, sets
// two_surface_picture, loads the file into the model and decodes, renders and captions it.
// A format that is not shown leaves everything else as it was.
void render_picture(const format_entry& format, const file_buffer& file, picture_context& context);
