#include "text/freetype_calls.h"

#include "base/library_calls.h"

namespace {

constexpr const char* freetype_library_file = "libfreetype.so.6";

bool load(freetype_calls& ft) {
  // Kept loaded to the end: faces stay open for as long as the program runs.
  void* library = ::dlopen(freetype_library_file, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr && find_call(library, "FT_Init_FreeType", ft.init_freetype) &&
         find_call(library, "FT_Done_FreeType", ft.done_freetype) &&
         find_call(library, "FT_New_Memory_Face", ft.new_memory_face) &&
         find_call(library, "FT_Done_Face", ft.done_face) &&
         find_call(library, "FT_Set_Charmap", ft.set_charmap) &&
         find_call(library, "FT_New_Size", ft.new_size) &&
         find_call(library, "FT_Done_Size", ft.done_size) &&
         find_call(library, "FT_Activate_Size", ft.activate_size) &&
         find_call(library, "FT_Set_Char_Size", ft.set_char_size) &&
         find_call(library, "FT_Select_Size", ft.select_size) &&
         find_call(library, "FT_MulFix", ft.mul_fix) &&
         find_call(library, "FT_Get_Char_Index", ft.get_char_index) &&
         find_call(library, "FT_Load_Glyph", ft.load_glyph) &&
         find_call(library, "FT_Render_Glyph", ft.render_glyph) &&
         find_call(library, "FT_Get_Advance", ft.get_advance) &&
         find_call(library, "FT_Get_Kerning", ft.get_kerning);
}

}  // namespace

const freetype_calls* freetype() {
  static freetype_calls calls{};
  static const bool loaded = load(calls);
  return loaded ? &calls : nullptr;
}
