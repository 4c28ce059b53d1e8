#pragma once
// Fonts for draw_text: faces found through fontconfig, and our own font files registered by path.
#include <string>

// Makes the face of a font file (family name as the file states it) available to draw_text.
// Glyphs of such a face are addressed byte for byte. False when the file cannot be opened.
bool register_font_file(const std::string& path);
void unregister_font_file(const std::string& path);

// Closes every open font (at exit).
void close_fonts();
