#pragma once
// Writing the directory charset as a BDF bitmap font.
#include <string>

#include "charset_glyphs.h"

// The family name the browser asks for.
inline constexpr const char* directory_font_family = "cbm-directory-charset/qz!";

// The whole BDF text of the set: 8x8 cells, Latin-1 encoding so that glyph code = byte value.
std::string bdf_text(const charset& set);
