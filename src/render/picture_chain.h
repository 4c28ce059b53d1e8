#pragma once
// From a loaded picture model to finished work surfaces, as showing a picture does.
#include "formats/format_table.h"
#include "render/picture_context.h"

// Clears both work surfaces to black; then, for a format that is shown, sets
// two_surface_picture and decodes, renders and captions the model it loaded. A format that is
// not shown leaves everything else as it was.
void render_picture(const format_entry& format, picture_context& context);
