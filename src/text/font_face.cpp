#include "text/font_face.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>

#include "base/regular_file.h"
#include "text/freetype_calls.h"
#include "text/unicode_fallbacks.h"

namespace {

constexpr FT_UInt dpi = 96;

// Fonts are opened only through a loaded library, so every call here has one.
const freetype_calls& ft() {
  return *freetype();
}

int floor_px(FT_Pos v) {
  return static_cast<int>(v >> 6);
}
int ceil_px(FT_Pos v) {
  return static_cast<int>((v + 63) >> 6);
}

bool map_whole_file(const std::string& path, font_file& file) {
  const result<file_descriptor> fd = open_regular_file(path);
  struct stat st {};
  if (!fd || ::fstat(fd->get(), &st) != 0 || st.st_size <= 0) return false;
  void* bytes =
      ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd->get(), 0);
  if (bytes == MAP_FAILED) return false;
  file.bytes = static_cast<const FT_Byte*>(bytes);
  file.size = static_cast<size_t>(st.st_size);
  return true;
}

// A UCS-4 Windows map if there is one, else the first Unicode or symbol map the file lists.
void select_charmap(FT_Face face) {
  FT_CharMap found = nullptr;
  for (int i = 0; i < face->num_charmaps && !found; ++i) {
    const FT_CharMap map = face->charmaps[i];
    if (map->platform_id == 3 && map->encoding_id == 10) found = map;
  }
  for (int i = 0; i < face->num_charmaps && !found; ++i) {
    const FT_CharMap map = face->charmaps[i];
    if ((map->platform_id == 3 && (map->encoding_id == 1 || map->encoding_id == 0)) ||
        (map->platform_id == 2 && map->encoding_id == 1) || map->platform_id == 0)
      found = map;
  }
  if (found) ft().set_charmap(face, found);
}

// The ink box of the glyph just loaded: FreeType presets the bitmap it would render.
void take_box(FT_GlyphSlot slot, glyph_entry& g) {
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.width = static_cast<int>(slot->bitmap.width);
  g.rows = static_cast<int>(slot->bitmap.rows);
}

// The coverage of a rendered bitmap at (column, row): 1-bit bitmaps (BDF) are full or empty.
uint8_t coverage_at(const FT_Bitmap& b, unsigned column, unsigned row) {
  const FT_Byte* line = b.buffer + static_cast<ptrdiff_t>(row) * b.pitch;
  if (b.pixel_mode == FT_PIXEL_MODE_MONO)
    return (line[column / 8] >> (7 - column % 8)) & 1 ? 255 : 0;
  return line[column];
}

// The advance of a glyph as a shaper takes it, in 26.6.
FT_Pos shaper_advance(FT_Face face, FT_UInt glyph) {
  FT_Fixed advance = 0;
  if (ft().get_advance(face, glyph, FT_LOAD_DEFAULT, &advance) != 0) return 0;
  return (advance + 0x200) >> 10;
}

FT_Pos fallback_space_advance(const sized_font& font, fallback_space space, FT_UInt space_glyph) {
  FT_Face face = font.file->face;
  const auto advance_of_first = [face](const char* characters) -> FT_Pos {
    for (const char* c = characters; *c; ++c)
      if (const FT_UInt glyph = ft().get_char_index(face, static_cast<unsigned char>(*c)))
        return shaper_advance(face, glyph);
    return 0;
  };
  switch (space.kind) {
    case space_kind::em_part:
      return (font.em + space.em_divisor / 2) / space.em_divisor;
    case space_kind::four_eighteenths_em:
      return font.em * 4 / 18;
    case space_kind::figure:
      return advance_of_first("0123456789");
    case space_kind::punctuation:
      return advance_of_first(".,");
    case space_kind::narrow:
      return shaper_advance(face, space_glyph) / 2;
    case space_kind::none:
      break;
  }
  return 0;
}

// How a shaper sets the character: its own glyph, an equivalent character's, the space for
// an ignorable character or a space the face lacks, else the face's missing-glyph box.
void set_in_line(const sized_font& font, uint32_t code_point, glyph_entry& g) {
  FT_Face face = font.file->face;
  const FT_UInt space_glyph = ft().get_char_index(face, ' ');
  g.line_glyph = g.index;
  if (default_ignorable(code_point)) {
    g.ignorable = true;
    g.line_glyph = space_glyph;
    g.in_line = space_glyph != 0;
    return;
  }
  if (g.index == 0) {
    const uint32_t equivalent = singleton_decomposition(code_point);
    g.line_glyph = equivalent ? ft().get_char_index(face, equivalent) : 0;
    const fallback_space space = space_fallback(code_point);
    if (g.line_glyph == 0 && space.kind != space_kind::none && space_glyph != 0) {
      g.line_glyph = space_glyph;
      g.line_advance = fallback_space_advance(font, space, space_glyph);
      return;
    }
  }
  g.line_advance = shaper_advance(face, g.line_glyph);
}

}  // namespace

font_file::~font_file() {
  if (face) ft().done_face(face);
  if (bytes) ::munmap(const_cast<FT_Byte*>(bytes), size);
}

std::unique_ptr<font_file> open_font_file(FT_Library library, const std::string& path) {
  auto file = std::make_unique<font_file>();
  if (!map_whole_file(path, *file) ||
      ft().new_memory_face(library, file->bytes, static_cast<FT_Long>(file->size), 0,
                           &file->face) != 0) {
    return nullptr;
  }
  select_charmap(file->face);
  return file;
}

bool holds_face(const font_file& file, std::string_view family, std::string_view style) {
  const FT_Face face = file.face;
  return face && face->family_name && face->style_name && family == face->family_name &&
         style == face->style_name;
}

sized_font::~sized_font() {
  if (size) ft().done_size(size);
}

bool open_font_size(font_file& file, int size_pt, sized_font& font) {
  FT_Face face = file.face;
  FT_Size size = nullptr;
  if (ft().new_size(face, &size) != 0) return false;
  font.file = &file;
  font.size = size;
  if (ft().activate_size(size) != 0) return false;
  if (FT_IS_SCALABLE(face)) {
    if (ft().set_char_size(face, 0, static_cast<FT_F26Dot6>(size_pt) * 64, dpi, dpi) != 0)
      return false;
    const FT_Fixed y_scale = face->size->metrics.y_scale;
    font.ascent = ceil_px(ft().mul_fix(face->ascender, y_scale));
    font.height = ceil_px(ft().mul_fix(face->ascender - face->descender, y_scale));
    // A shaper scales font units by the size in 26.6 per em, rounded, then per unit in 16.16.
    const uint64_t upem = face->units_per_EM;
    const uint64_t em = (static_cast<uint64_t>(face->size->metrics.x_scale) * upem + 0x8000) >> 16;
    font.em = static_cast<FT_Pos>(em);
    font.kerning_scale = static_cast<int64_t>((em << 16) / upem);
  } else {
    // A bitmap face (BDF) holds one strike.
    if (face->num_fixed_sizes <= 0 || ft().select_size(face, 0) != 0) return false;
    font.ascent = ceil_px(face->size->metrics.ascender);
    font.height = ceil_px(face->size->metrics.height);
  }
  return true;
}

std::unique_ptr<sized_font> open_sized_font(font_file& file, int size_pt) {
  auto font = std::make_unique<sized_font>();
  return open_font_size(file, size_pt, *font) ? std::move(font) : nullptr;
}

namespace {

// Fills the entry from the font's face, which may be the fallback's.
void set_glyph(sized_font& font, uint32_t code_point, glyph_entry& g) {
  FT_Face face = font.file->face;
  ft().activate_size(font.size);
  g.index = ft().get_char_index(face, code_point);
  const bool loaded = ft().load_glyph(face, g.index, FT_LOAD_DEFAULT) == 0;
  if (loaded) {
    g.advance = ceil_px(face->glyph->metrics.horiAdvance);
    take_box(face->glyph, g);
  }
  set_in_line(font, code_point, g);
  // Most characters stand in a line as their own glyph, whose box is taken already.
  if (!g.in_line || (loaded && g.line_glyph == g.index)) return;
  if (ft().load_glyph(face, g.line_glyph, FT_LOAD_DEFAULT) != 0) {
    g.in_line = false;
    return;
  }
  take_box(face->glyph, g);
}

// The fallback font when it holds a character the face cannot set at all.
sized_font* lender_of(sized_font& font, uint32_t code_point, const glyph_entry& own) {
  if (own.ignorable || own.line_glyph != 0 || !font.fallback) return nullptr;
  sized_font* other = font.fallback(code_point);
  return other && other != &font && ft().get_char_index(other->file->face, code_point) != 0
             ? other
             : nullptr;
}

}  // namespace

glyph_entry& glyph_of(sized_font& font, uint32_t code_point) {
  const auto [it, added] = font.glyphs.try_emplace(code_point);
  glyph_entry& g = it->second;
  if (!added) return g;
  set_glyph(font, code_point, g);
  if (sized_font* lender = lender_of(font, code_point, g)) {
    g = glyph_entry{};
    g.borrowed_from = lender;
    set_glyph(*lender, code_point, g);
  }
  return g;
}

const glyph_image& image_of(sized_font& font, glyph_entry& g) {
  glyph_image& image = g.image;
  if (g.imaged) return image;
  g.imaged = true;
  if (!g.in_line) return image;
  // The cell of a line holding just this character: it starts at the pen or at the ink's
  // left edge if that is further left, and spans the line height or the ink if taller.
  const int min_x = std::min(0, g.left);
  const int max_x = std::max({0, g.left + g.width, floor_px(g.line_advance)});
  const int ink_y = font.ascent - g.top;
  const int min_y = std::min(0, ink_y);
  const int max_y = std::max(font.height, ink_y + g.rows);
  if (max_x == min_x) return image;
  const sized_font& source = g.borrowed_from ? *g.borrowed_from : font;
  FT_Face face = source.file->face;
  ft().activate_size(source.size);
  if (ft().load_glyph(face, g.line_glyph, FT_LOAD_DEFAULT) != 0) return image;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && ft().render_glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
    return image;
  image.width = max_x - min_x;
  image.height = max_y - min_y;
  image.coverage.assign(static_cast<size_t>(image.width) * image.height, 0);
  const FT_Bitmap& bitmap = slot->bitmap;
  const int x0 = slot->bitmap_left - min_x;
  const int y0 = font.ascent - slot->bitmap_top - min_y;
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = y0 + static_cast<int>(row);
    if (y < 0 || y >= image.height) continue;
    for (unsigned column = 0; column < bitmap.width; ++column) {
      const int x = x0 + static_cast<int>(column);
      if (x < 0 || x >= image.width) continue;
      image.coverage[static_cast<size_t>(y) * image.width + x] = coverage_at(bitmap, column, row);
    }
  }
  return image;
}

namespace {

template <typename value>
value kerning_in(const std::map<glyph_pair, value>& table, FT_UInt left, FT_UInt right) {
  const auto it = table.find({left, right});
  return it == table.end() ? 0 : it->second;
}

}  // namespace

int drawn_kerning(sized_font& font, const glyph_entry& left, const glyph_entry& right) {
  FT_Vector delta{};
  if (left.borrowed_from || right.borrowed_from) return 0;
  if (!font.size) return kerning_in(font.drawn_kerning, left.index, right.index);
  ft().activate_size(font.size);
  if (ft().get_kerning(font.file->face, left.index, right.index, FT_KERNING_DEFAULT, &delta) != 0)
    return 0;
  return static_cast<int>(delta.x >> 6);
}

FT_Pos line_kerning(const sized_font& font, const glyph_entry& left, const glyph_entry& right) {
  FT_Vector delta{};
  if (left.borrowed_from || right.borrowed_from) return 0;
  if (!font.size) return kerning_in(font.line_kerning, left.line_glyph, right.line_glyph);
  if (!FT_HAS_KERNING(font.file->face) ||
      ft().get_kerning(font.file->face, left.line_glyph, right.line_glyph, FT_KERNING_UNSCALED,
                       &delta) != 0)
    return 0;
  return static_cast<FT_Pos>((delta.x * font.kerning_scale + 0x8000) >> 16);
}

void complete_for_store(sized_font& font) {
  std::vector<glyph_entry*> own;
  for (auto& [code_point, glyph] : font.glyphs) {
    if (!kept_in_store(glyph)) continue;
    image_of(font, glyph);
    own.push_back(&glyph);
  }
  font.drawn_kerning.clear();
  font.line_kerning.clear();
  for (const glyph_entry* left : own) {
    for (const glyph_entry* right : own) {
      if (const int drawn = drawn_kerning(font, *left, *right))
        font.drawn_kerning[{left->index, right->index}] = drawn;
      if (const FT_Pos line = line_kerning(font, *left, *right))
        font.line_kerning[{left->line_glyph, right->line_glyph}] = line;
    }
  }
}
