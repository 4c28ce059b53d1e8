#pragma once
// Text on surfaces in the canvas font: faces found through fontconfig, and our own font files
// registered by path.
#include <string>
#include <string_view>

#include "surface/surface.h"

// Text with the top-left corner of its cell at (x, y) in the canvas font; a solid brush
// fills the cell with the brush colour first. Text is UTF-8 (bytes that are not valid
// UTF-8 are shown as Latin-1); in a bitmap face registered with register_font_file every
// byte is one glyph code.
void draw_text(surface& s, int x, int y, std::string_view text);

// As draw_text, drawing nothing outside clip.
void draw_text_clipped(surface& s, const rect& clip, int x, int y, std::string_view text);

// Width and height in pixels of the text's cell in the canvas font.
int text_width(const surface& s, std::string_view text);
int text_height(const surface& s);

// Makes the face of a font file (family name as the file states it) available to draw_text.
// Glyphs of such a face are addressed byte for byte. False when the file cannot be opened.
bool register_font_file(const std::string& path);
void unregister_font_file(const std::string& path);

// Closes every open font (at exit).
void close_fonts();
