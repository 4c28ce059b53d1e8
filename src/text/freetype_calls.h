#pragma once
// FreeType, opened the first time a font is needed: most commands (a thumbnail, a listing,
// --version) draw no text, and the library with those it needs costs every start its mapping
// and relocation.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_SIZES_H

struct freetype_calls {
  decltype(&FT_Init_FreeType) init_freetype = nullptr;
  decltype(&FT_Done_FreeType) done_freetype = nullptr;
  decltype(&FT_New_Memory_Face) new_memory_face = nullptr;
  decltype(&FT_Done_Face) done_face = nullptr;
  decltype(&FT_Set_Charmap) set_charmap = nullptr;
  decltype(&FT_New_Size) new_size = nullptr;
  decltype(&FT_Done_Size) done_size = nullptr;
  decltype(&FT_Activate_Size) activate_size = nullptr;
  decltype(&FT_Set_Char_Size) set_char_size = nullptr;
  decltype(&FT_Select_Size) select_size = nullptr;
  decltype(&FT_MulFix) mul_fix = nullptr;
  decltype(&FT_Get_Char_Index) get_char_index = nullptr;
  decltype(&FT_Load_Glyph) load_glyph = nullptr;
  decltype(&FT_Render_Glyph) render_glyph = nullptr;
  decltype(&FT_Get_Advance) get_advance = nullptr;
  decltype(&FT_Get_Kerning) get_kerning = nullptr;
};

// The calls, or null where FreeType is not installed: then no font opens and no text is drawn.
const freetype_calls* freetype();
