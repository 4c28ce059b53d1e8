#pragma once
// From a loaded picture model to finished work surfaces, as showing a picture does.
#include "formats/format_table.h"
#include "render/picture_context.h"

// Clears both work surfaces to black (unless they are known to be blank), sets
// two_surface_picture from the format and decodes, renders and captions the model it loaded.
void render_picture(const format_entry& format, picture_context& context);
