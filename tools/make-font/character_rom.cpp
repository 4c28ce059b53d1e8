#include "character_rom.h"

#include <string_view>

#include "charset_glyphs.h"

namespace {

struct glyph_art {
  uint8_t screen_code;
  std::string_view rows;
};

// The lower-case letters, strokes two pixels wide; descenders reach the bottom row.
// clang-format off
constexpr std::array<glyph_art, 26> lower_case_letters = {{
    {0x01, "........" "........" "..####.." ".....##." "..#####." ".##..##." "..#####." "........"},
    {0x02, "........" ".##....." ".##....." ".#####.." ".##..##." ".##..##." ".#####.." "........"},
    {0x03, "........" "........" "..####.." ".##....." ".##....." ".##....." "..####.." "........"},
    {0x04, "........" ".....##." ".....##." "..#####." ".##..##." ".##..##." "..#####." "........"},
    {0x05, "........" "........" "..####.." ".##..##." ".######." ".##....." "..####.." "........"},
    {0x06, "........" "...###.." "..##...." ".#####.." "..##...." "..##...." "..##...." "........"},
    {0x07, "........" "........" "..#####." ".##..##." ".##..##." "..#####." ".....##." ".#####.."},
    {0x08, "........" ".##....." ".##....." ".#####.." ".##..##." ".##..##." ".##..##." "........"},
    {0x09, "........" "...##..." "........" "..###..." "...##..." "...##..." "..####.." "........"},
    {0x0A, "........" ".....##." "........" ".....##." ".....##." ".....##." ".##..##." "..####.."},
    {0x0B, "........" ".##....." ".##....." ".##.##.." ".####..." ".##.##.." ".##..##." "........"},
    {0x0C, "........" "..###..." "...##..." "...##..." "...##..." "...##..." "..####.." "........"},
    {0x0D, "........" "........" ".##..##." ".#######" ".##.#.##" ".##.#.##" ".##...##" "........"},
    {0x0E, "........" "........" ".#####.." ".##..##." ".##..##." ".##..##." ".##..##." "........"},
    {0x0F, "........" "........" "..####.." ".##..##." ".##..##." ".##..##." "..####.." "........"},
    {0x10, "........" "........" ".#####.." ".##..##." ".##..##." ".#####.." ".##....." ".##....."},
    {0x11, "........" "........" "..#####." ".##..##." ".##..##." "..#####." ".....##." ".....##."},
    {0x12, "........" "........" ".#####.." ".##..##." ".##....." ".##....." ".##....." "........"},
    {0x13, "........" "........" "..#####." ".##....." "..####.." ".....##." ".#####.." "........"},
    {0x14, "........" "..##...." ".######." "..##...." "..##...." "..##...." "...###.." "........"},
    {0x15, "........" "........" ".##..##." ".##..##." ".##..##." ".##..##." "..#####." "........"},
    {0x16, "........" "........" ".##..##." ".##..##." ".##..##." "..####.." "...##..." "........"},
    {0x17, "........" "........" ".##...##" ".##.#.##" ".##.#.##" "..#####." "..##.##." "........"},
    {0x18, "........" "........" ".##..##." "..####.." "...##..." "..####.." ".##..##." "........"},
    {0x19, "........" "........" ".##..##." ".##..##." ".##..##." "..#####." ".....##." ".#####.."},
    {0x1A, "........" "........" ".######." "....##.." "...##..." "..##...." ".######." "........"},
}};

// Where the lower-case set has graphics of its own: two fine patterns and a check mark.
constexpr std::array<glyph_art, 3> lower_case_graphics = {{
    {0x5E, "#.#.#.#." ".#.#.#.#" "#.#.#.#." ".#.#.#.#" "#.#.#.#." ".#.#.#.#" "#.#.#.#." ".#.#.#.#"},
    {0x5F, "##..##.." ".##..##." "..##..##" "#..##..#" "##..##.." ".##..##." "..##..##" "#..##..#"},
    {0x7A, "........" "......##" ".....##." "....##.." "##.##..." ".###...." "..#....." "........"},
}};
// clang-format on

using glyph_set = std::array<glyph, 256>;

glyph from_art(std::string_view rows) {
  glyph g{};
  for (size_t i = 0; i < rows.size() && i < 64; ++i)
    if (rows[i] == '#') g[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
  return g;
}

// The upper half of a set repeats its lower half in reverse video.
void reverse_upper_half(glyph_set& set) {
  for (size_t code = 0; code < 128; ++code)
    for (size_t row = 0; row < 8; ++row)
      set[code + 128][row] = static_cast<uint8_t>(~set[code][row]);
}

// Screen codes in the order the video chip reads them: letters (PETSCII 0x40..0x5F) first,
// then digits and punctuation, then the two runs of graphic characters.
glyph_set upper_case_set(const charset& directory) {
  glyph_set set{};
  for (unsigned code = 0; code < 32; ++code) {
    set[code] = directory.glyphs[0x40 + code];
    set[0x20 + code] = directory.glyphs[0x20 + code];
    set[0x40 + code] = directory.glyphs[0x60 + code];
    set[0x60 + code] = directory.glyphs[0xA0 + code];
  }
  reverse_upper_half(set);
  return set;
}

// The upper-case set with small letters where its capitals were and the capitals where its
// first run of graphics was.
glyph_set lower_case_set(const glyph_set& upper) {
  glyph_set set = upper;
  for (unsigned code = 1; code <= 26; ++code) set[0x40 + code] = upper[code];
  for (const glyph_art& art : lower_case_letters) set[art.screen_code] = from_art(art.rows);
  for (const glyph_art& art : lower_case_graphics) set[art.screen_code] = from_art(art.rows);
  reverse_upper_half(set);
  return set;
}

}  // namespace

character_rom_bytes make_character_rom() {
  const glyph_set upper = upper_case_set(make_directory_charset());
  const glyph_set lower = lower_case_set(upper);
  character_rom_bytes rom{};
  for (size_t code = 0; code < 256; ++code) {
    for (size_t row = 0; row < 8; ++row) {
      rom[code * 8 + row] = upper[code][row];
      rom[2048 + code * 8 + row] = lower[code][row];
    }
  }
  return rom;
}
