#pragma once
// Font faces through FreeType: a font file read once and opened from memory, the face at a
// point size, and its glyphs rendered on first use and kept. A glyph image is the cell a line
// of that one character fills; measured lines advance and kern in 26.6 fixed point as a text
// shaper sets them.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct font_file {
  // The file mapped into memory, where the face reads it while it is open: only the parts
  // of it the face uses are ever read from disk.
  const FT_Byte* bytes = nullptr;
  size_t size = 0;
  FT_Face face = nullptr;

  font_file() = default;
  font_file(const font_file&) = delete;
  font_file& operator=(const font_file&) = delete;
  ~font_file();
};

// The first face of the file, or null when it cannot be read or is no font.
std::unique_ptr<font_file> open_font_file(FT_Library library, const std::string& path);

// Whether the file's face has the family and style names given.
bool holds_face(const font_file& file, std::string_view family, std::string_view style);

struct sized_font;

// One character drawn alone: its coverage, row by row, with the top-left corner of the
// character's cell at (0, 0).
struct glyph_image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

struct glyph_entry {
  // The font the glyph comes from when the face lacks the character: null for the face's own.
  sized_font* borrowed_from = nullptr;
  FT_UInt index = 0;  // the character's glyph in the face
  int advance = 0;    // whole pixels the pen moves when the character is drawn
  // As the character stands in a line: its glyph, advance, and ink box (left, top, size).
  bool in_line = true;
  bool ignorable = false;  // not shown, no advance, and kerning reaches past it
  FT_UInt line_glyph = 0;
  FT_Pos line_advance = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  bool imaged = false;
  glyph_image image;
};

using glyph_pair = std::pair<FT_UInt, FT_UInt>;

// Whether the glyph store keeps the glyph: not one borrowed from another font, nor one the
// face lacks, for which fonts installed later may have a glyph.
inline bool kept_in_store(const glyph_entry& g) {
  return !g.borrowed_from && (g.ignorable || g.line_glyph != 0);
}

struct sized_font {
  // Both null for a font taken from the glyph store that has not needed its face yet.
  font_file* file = nullptr;
  FT_Size size = nullptr;
  int ascent = 0;
  int height = 0;
  FT_Pos em = 0;              // as a shaper scales the face: 26.6 per em
  int64_t kerning_scale = 0;  // font units to 26.6, as 16.16
  std::map<uint32_t, glyph_entry> glyphs;
  // Without the face, the kerning of every pair of the glyphs above that has any: drawn by
  // glyph, in whole pixels, and in a line by line glyph, in 26.6.
  std::map<glyph_pair, int> drawn_kerning;
  std::map<glyph_pair, FT_Pos> line_kerning;
  // The file the build recorded for the face, when the face came from it: the glyph store
  // keeps such fonts' glyphs. stored_glyphs is how many the store gave.
  std::string recorded_file;
  size_t stored_glyphs = 0;
  // A font at the same size that holds a character the face lacks, or null; asked once for
  // each such character. Its glyphs sit on this face's baseline.
  std::function<sized_font*(uint32_t code_point)> fallback;

  sized_font() = default;
  sized_font(const sized_font&) = delete;
  sized_font& operator=(const sized_font&) = delete;
  ~sized_font();
};

// The face of the file at a point size at 96 DPI (a bitmap face at its strike).
std::unique_ptr<sized_font> open_sized_font(font_file& file, int size_pt);
// Gives a font taken from the glyph store its face, keeping the glyphs it holds.
bool open_font_size(font_file& file, int size_pt, sized_font& font);

// Renders the image of each glyph and measures the kerning of every pair of them into the
// tables a font without its face reads, for the glyph store.
void complete_for_store(sized_font& font);

// The glyph of a code point; its image is rendered by image_of on first use. A character the
// face cannot set, not even as an equivalent character or a space, is taken from the
// fallback font when there is one.
glyph_entry& glyph_of(sized_font& font, uint32_t code_point);
const glyph_image& image_of(sized_font& font, glyph_entry& glyph);

// Kerning between two drawn characters in whole pixels, and between two glyphs of a
// measured line in 26.6; none between glyphs of different fonts. A font without its face reads
// the kerning from its tables.
int drawn_kerning(sized_font& font, const glyph_entry& left, const glyph_entry& right);
FT_Pos line_kerning(const sized_font& font, const glyph_entry& left, const glyph_entry& right);
