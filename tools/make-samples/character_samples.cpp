#include "character_samples.h"

#include <algorithm>
#include <array>
#include <string>

#include "character_rom.h"
#include "sample_writing.h"

namespace {

using namespace c64;

constexpr int screen_columns = 40, screen_rows = 25;

// A text screen: screen codes and colours, row by row.
struct text_screen {
  std::array<uint8_t, 1000> codes{};
  std::array<uint8_t, 1000> colours{};
};

uint8_t screen_code(char ch) {
  if (ch >= 'A' && ch <= 'Z') return static_cast<uint8_t>(ch - 'A' + 1);
  return static_cast<uint8_t>(ch & 0x3F);
}

void write_line(text_screen& screen, int row, std::string_view text, uint8_t colour) {
  const int left = (screen_columns - static_cast<int>(text.size())) / 2;
  for (size_t k = 0; k < text.size(); ++k) {
    screen.codes[row * screen_columns + left + k] = screen_code(text[k]);
    screen.colours[row * screen_columns + left + k] = colour;
  }
}

// The scene in solid blocks (reversed spaces) of the colours at the cells' centres, the title
// and subtitle in letters.
text_screen petscii_scene(const sample_format& sample, sample_workspace& work) {
  paint_scene({.title = "", .subtitle = "", .hires = true}, work.picture);
  text_screen screen;
  for (int cell = 0; cell < screen_columns * screen_rows; ++cell) {
    const int x = cell % screen_columns * 8 + 4, y = cell / screen_columns * 8 + 4;
    const uint8_t colour = work.picture.frames[0][y * picture_width + x];
    screen.codes[cell] = colour == black ? 0x20 : 0xA0;
    screen.colours[cell] = colour == black ? white : colour;
  }
  write_line(screen, 2, sample.title, white);
  write_line(screen, 23, "SCREEN CODES IN COLOUR", light_grey);
  return screen;
}

}  // namespace

uint32_t petscii_sample(const sample_format& sample, sample_workspace& work) {
  const text_screen screen = petscii_scene(sample, work);
  begin_file(work.file, sample.load_address);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    put(work.file, 2 + cell, screen.codes[cell]);
    put(work.file, 1026 + cell, screen.colours[cell]);
  }
  put(work.file, 1002, black);  // border
  put(work.file, 1003, black);  // background
  put(work.file, 1004, 0x15);   // $D018: the upper-case set
  return 2026;
}

uint32_t petdraw_sample(const sample_format& sample, sample_workspace& work) {
  const text_screen screen = petscii_scene(sample, work);
  begin_file(work.file, sample.load_address);
  put(work.file, 2, white);  // the pen
  put(work.file, 3, black);  // background
  put(work.file, 4, black);  // border
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    put(work.file, 5 + cell, screen.codes[cell]);
    put(work.file, 1029 + cell, screen.colours[cell]);
  }
  return 2029;
}

// Type 1, multicolour cells: each cell's pixel pairs least significant first, then the colours
// of its four pairs, fitted as a Koala picture would be.
uint32_t fluff_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene({.title = sample.title, .subtitle = "FOUR COLOURS A CELL"}, work.picture);
  fit_picture(work.picture, {.background = background_source::single}, work.model);
  work.file.bytes.fill(0);
  put_text(work.file, 0, "FLUFF64");
  put(work.file, 11, 1);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    const uint32_t at = 15 + cell * 12;
    for (uint32_t line = 0; line < 8; ++line) {
      const uint8_t bits = work.model.bitmap_a[cell * 8 + line];
      uint8_t reversed = 0;
      for (int pair = 0; pair < 4; ++pair) reversed |= ((bits >> (6 - 2 * pair)) & 3) << 2 * pair;
      put(work.file, at + line, reversed);
    }
    const uint8_t screen = work.model.screen_a[cell * 8];
    put(work.file, at + 8, work.model.line_background[0] & 15);
    put(work.file, at + 9, screen >> 4);
    put(work.file, at + 10, screen & 15);
    put(work.file, at + 11, work.model.color_ram[cell] & 15);
  }
  return 15 + 12000;
}

// Our own character set: all 256 upper-case characters (.64c), the 64 of the lower-case set
// from its letters on (SEUCK), or 113 upper-case ones of nine bytes (.zs).
uint32_t font_sample(const sample_format& sample, sample_workspace& work) {
  const character_rom_bytes rom = make_character_rom();
  begin_file(work.file, sample.load_address);
  switch (format_by_id(sample.format_id)->arrange) {
    case arrangement::seuck_font:
      for (uint32_t k = 0; k < 512; ++k) put(work.file, 2 + k, rom[2048 + k]);
      return 514;
    case arrangement::zs_font:
      for (uint32_t code = 0; code < 113; ++code)
        for (uint32_t row = 0; row < 8; ++row)
          put(work.file, 3 + code * 9 + row, rom[code * 8 + row]);
      return 1026;
    default:
      for (uint32_t k = 0; k < 2048; ++k) put(work.file, 2 + k, rom[k]);
      return 2050;
  }
}

namespace {

// How many pixels of the frame's scene, at multicolour pair resolution, show each of the four
// colours nearest, in the 8 x 8 area at (x, y).
std::array<int, 4> nearest_counts(const target_picture& picture, int frame, int x, int y,
                                  const std::array<uint8_t, 4>& colours) {
  std::array<int, 4> counts{};
  for (int line = 0; line < 8; ++line)
    for (int pair = 0; pair < 4; ++pair)
      ++counts[nearest_choice(
          picture.frames[frame][(y + line) * picture_width + x + pair * 2 + frame], colours)];
  return counts;
}

// The multicolour byte of four pixel pairs of the scene in the nearest of four colours.
uint8_t quantised_byte(const target_picture& picture, int frame, int x, int y,
                       const std::array<uint8_t, 4>& colours) {
  uint8_t bits = 0;
  for (int pair = 0; pair < 4; ++pair) {
    const int px = std::min(x + pair * 2 + frame, picture_width - 1);
    bits |= nearest_choice(picture.frames[frame][y * picture_width + px], colours)
            << (6 - 2 * pair);
  }
  return bits;
}

}  // namespace

// Fifty rows of characters in four fixed colours: solid characters of each and checkers of
// each two, picked per cell by the scene's colours there, two scenes one under the other.
uint32_t logo_painter_sample(const sample_format& sample, sample_workspace& work) {
  constexpr std::array<uint8_t, 4> colours = {black, light_red, red, white};
  begin_file(work.file, sample.load_address);
  // Characters 0..3 solid; 4 + a * 4 + b a checker of colours a and b.
  for (uint32_t a = 0; a < 4; ++a)
    for (uint32_t b = 0; b < 4; ++b)
      for (uint32_t line = 0; line < 8; ++line) {
        const uint32_t pattern =
            line % 2 ? (b << 6 | a << 4 | b << 2 | a) : (a << 6 | b << 4 | a << 2 | b);
        put(work.file, 2050 + (4 + a * 4 + b) * 8 + line, static_cast<uint8_t>(pattern));
        if (a == b) put(work.file, 2050 + a * 8 + line, static_cast<uint8_t>(a * 0x55));
      }
  for (int half = 0; half < 2; ++half) {
    paint_scene({.title = sample.title, .subtitle = half == 0 ? "FIFTY ROWS" : "OF CHARACTERS"},
                work.picture);
    for (int cell = 0; cell < 1000; ++cell) {
      const std::array<int, 4> counts =
          nearest_counts(work.picture, 0, cell % 40 * 8, cell / 40 * 8, colours);
      const int first =
          static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
      std::array<int, 4> others = counts;
      others[first] = -1;
      const int second =
          static_cast<int>(std::max_element(others.begin(), others.end()) - others.begin());
      const bool solid = counts[first] >= 24;
      put(work.file, 2 + half * 1000 + cell,
          static_cast<uint8_t>(solid ? first : 4 + first * 4 + second));
    }
  }
  return 4098;
}

// Two multicolour bitmaps of the sky and title, the second one for the frame a pixel further
// right, in the four colours at the end of the file.
uint32_t interlace_logo_sample(const sample_format& sample, sample_workspace& work) {
  constexpr std::array<uint8_t, 4> colours = {black, purple, white, yellow};
  paint_scene({.title = sample.title, .subtitle = "", .two_frames = true}, work.picture);
  begin_file(work.file, sample.load_address);
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 0; y < 48; ++y)
      for (int column = 0; column < 40; ++column)
        put(work.file, (frame == 0 ? 2050 : 2) + y / 8 * 320 + column * 8 + y % 8,
            quantised_byte(work.picture, frame, column * 8, y, colours));
  for (uint32_t k = 0; k < 4; ++k) put(work.file, 4094 + k, colours[k]);
  return 4098;
}

// Two character sets whose 256 characters, shown in order forty a row, make the picture.
uint32_t multi_lace_sample(const sample_format& sample, sample_workspace& work) {
  constexpr std::array<uint8_t, 4> colours = {black, brown, orange, green};
  paint_scene({.title = sample.title, .subtitle = "", .two_frames = true}, work.picture);
  begin_file(work.file, sample.load_address);
  for (int frame = 0; frame < 2; ++frame)
    for (int code = 0; code < 256; ++code)
      for (int line = 0; line < 8; ++line)
        put(work.file, (frame == 0 ? 2050 : 2) + code * 8 + line,
            quantised_byte(work.picture, frame, code % 40 * 8, code / 40 * 8 + line, colours));
  return 4098;
}

// Version 5, every character multicolour: a character of its own for each of the map's 40 x 25
// places, with its own colour for pairs 11, the other three colours the project's.
uint32_t charpad_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene({.title = sample.title, .subtitle = "A MAP OF CHARACTERS"}, work.picture);
  std::array<uint8_t, 4> colours = {black, purple, blue, white};
  work.file.bytes.fill(0);
  put_text(work.file, 0, "CTM");
  put(work.file, 3, 5);
  for (uint32_t k = 0; k < 3; ++k) put(work.file, 4 + k, colours[k]);
  put(work.file, 8, 2);  // a colour per character
  put(work.file, 9, 4);  // multicolour, no tiles
  put(work.file, 10, 999 & 0xFF);
  put(work.file, 11, 999 >> 8);
  put(work.file, 14, 1);
  put(work.file, 15, 1);
  put(work.file, 16, 40);
  put(work.file, 18, 25);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    // The cell's own colour: the one of the first eight it shows most, besides the three.
    std::array<int, 8> counts{};
    for (int line = 0; line < 8; ++line)
      for (int x = 0; x < 8; x += 2) {
        const uint8_t colour =
            work.picture.frames[0][(cell / 40 * 8 + line) * picture_width + cell % 40 * 8 + x];
        if (colour < 8 && colour != colours[0] && colour != colours[1] && colour != colours[2])
          ++counts[colour];
      }
    colours[3] =
        static_cast<uint8_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
    for (uint32_t line = 0; line < 8; ++line)
      put(work.file, 20 + cell * 8 + line,
          quantised_byte(work.picture, 0, static_cast<int>(cell % 40 * 8),
                         static_cast<int>(cell / 40 * 8 + line), colours));
    put(work.file, 20 + 8000 + cell, colours[3]);
    put(work.file, 20 + 9000 + cell * 2, static_cast<uint8_t>(cell & 0xFF));
    put(work.file, 20 + 9000 + cell * 2 + 1, static_cast<uint8_t>(cell >> 8));
  }
  return 20 + 9000 + 2000;
}
