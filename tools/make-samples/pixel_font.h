#pragma once
// A 5x7 pixel font of capitals, digits and a little punctuation.
#include <cstdint>
#include <string_view>

constexpr int glyph_width = 5;
constexpr int glyph_height = 7;
constexpr int glyph_advance = 6;

// Whether pixel (x, y) of the glyph for ch is set; unknown characters are blank.
bool glyph_pixel(char ch, int x, int y);

// The width in pixels of text at scale 1, without the gap after the last glyph.
int text_width(std::string_view text);
