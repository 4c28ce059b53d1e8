#include "title_font.h"

#include <array>
#include <string_view>

namespace {

struct lower_case_art {
  char letter;
  std::string_view rows;
};

// clang-format off
constexpr std::array<lower_case_art, 5> lower_case = {{
    {'a', "........"
          "........"
          "..####.."
          ".....##."
          "..#####."
          ".##..##."
          "..#####."
          "........"},
    {'e', "........"
          "........"
          "..####.."
          ".##..##."
          ".######."
          ".##....."
          "..####.."
          "........"},
    {'l', "..###..."
          "...##..."
          "...##..."
          "...##..."
          "...##..."
          "...##..."
          "..####.."
          "........"},
    {'o', "........"
          "........"
          "..####.."
          ".##..##."
          ".##..##."
          ".##..##."
          "..####.."
          "........"},
    {'r', "........"
          "........"
          ".#####.."
          ".##..##."
          ".##....."
          ".##....."
          ".##....."
          "........"},
}};
// clang-format on

struct title_font {
  charset set = make_directory_charset();
  std::array<glyph, 256> glyphs{};

  title_font() {
    for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = set.glyphs[i];
    for (char c = 'a'; c <= 'z'; ++c) glyphs[static_cast<unsigned char>(c)] = set.glyphs[c - 32];
    for (const lower_case_art& art : lower_case) {
      glyph g{};
      for (size_t i = 0; i < 64; ++i)
        if (art.rows[i] == '#') g[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
      glyphs[static_cast<unsigned char>(art.letter)] = g;
    }
  }
};

}  // namespace

const glyph& title_glyph(char c) {
  static const title_font font;
  return font.glyphs[static_cast<unsigned char>(c)];
}
