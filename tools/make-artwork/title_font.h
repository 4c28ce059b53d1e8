#pragma once
// The title's pixel font: the directory character set, with lower-case letters of its own.
#include "charset_glyphs.h"

// The 8x8 glyph of a character; letters without a lower-case glyph use their capital.
const glyph& title_glyph(char c);
