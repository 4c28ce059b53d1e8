#include <algorithm>
#include <array>

#include "formats/arrangement_families.h"
#include "formats/raster_drawing.h"

namespace {

// The row of a glyph as the video chip fetches it; a font shorter than the code reads 0.
uint8_t glyph_row(std::span<const uint8_t> glyphs, size_t code, int row, int glyph_height = 8) {
  const size_t at = code * glyph_height + row;
  return at < glyphs.size() ? glyphs[at] : 0;
}

// A screen of character codes in hires text mode: set glyph bits in the cell's colour RAM
// colour, clear ones in the background.
struct petscii_screen {
  int columns = 40;
  int rows = 25;
  size_t codes = 0;    // file offset of the screen codes, row by row
  size_t colours = 0;  // of the colour RAM
  size_t background = 0;
  bool lower_case = false;  // the ROM's second set
};

void draw_petscii(std::span<const uint8_t> file, const petscii_screen& screen,
                  picture_model& model) {
  begin_raster(model,
               {static_cast<uint16_t>(screen.columns * 8), static_cast<uint16_t>(screen.rows * 8)});
  const std::span<const uint8_t> set =
      std::span(model.rom.bytes).subspan(screen.lower_case ? 2048 : 0, 2048);
  for (int y = 0; y < screen.rows * 8; ++y) {
    for (int column = 0; column < screen.columns; ++column) {
      const size_t cell = size_t(y / 8) * screen.columns + column;
      model.raster[0].cell(y, column) =
          hires_cell(glyph_row(set, file[screen.codes + cell], y % 8), file[screen.background],
                     file[screen.colours + cell]);
    }
  }
  model.drawn_with_own_glyphs = model.rom.own_glyphs;
}

// $D018 picks the character memory in its bits 3-1: 2 ($1000) is the ROM's upper-case set,
// 3 ($1800) its lower-case set.
bool lower_case_set(uint8_t d018) {
  return (d018 >> 1 & 7) == 3;
}

}  // namespace

result<> arrange_pet(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 2026) return failure{"no PETSCII Editor screen"};
  draw_petscii(
      file,
      {.codes = 2, .colours = 1026, .background = 1003, .lower_case = lower_case_set(file[1004])},
      model);
  return {};
}

result<> arrange_pdr(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 2029) return failure{"no Petdraw screen"};
  draw_petscii(file, {.codes = 5, .colours = 1029, .background = 3}, model);
  return {};
}

namespace {

constexpr std::string_view fluff_mark = "FLUFF64";

// A FLUFF cell: 8 bytes of pixels, least significant bits leftmost, then a colour for each
// bit pattern.
raster_cell fluff_cell(std::span<const uint8_t> cell, int line, bool multicolor) {
  uint8_t bits = cell[line];
  uint8_t graphics = 0;
  if (multicolor) {
    for (int pair = 0; pair < 4; ++pair) graphics |= ((bits >> 2 * pair) & 3) << (6 - 2 * pair);
    return multicolor_cell(graphics, cell[8], cell[9], cell[10], cell[11]);
  }
  for (int p = 0; p < 8; ++p) graphics |= ((bits >> p) & 1) << (7 - p);
  return hires_cell(graphics, cell[8], cell[9]);
}

// Types 1, 4 and 5: 40 x 25 multicolour cells of 12 bytes; 6: hires cells. The newer files
// carry a footer of 256 bytes after them.
result<> arrange_fluff_cells(std::span<const uint8_t> file, size_t data, bool multicolor,
                             picture_model& model) {
  constexpr size_t cells = 40 * 25, cell_size = 12;
  const size_t end = data + cells * cell_size;
  if (file.size() != end && file.size() != end + 256) return failure{"the FLUFF picture's size"};
  // A colour above 15 that a pixel shows makes the picture no C64 picture.
  for (size_t cell = 0; cell < cells; ++cell) {
    const std::span<const uint8_t> bytes = file.subspan(data + cell * cell_size, cell_size);
    for (int line = 0; line < 8; ++line)
      for (int p = 0; p < 8; p += multicolor ? 2 : 1)
        if (bytes[8 + (bytes[line] >> p & (multicolor ? 3 : 1))] >= 16)
          return failure{"a FLUFF colour above 15"};
  }
  begin_raster(model, {});
  for (int y = 0; y < 200; ++y)
    for (int column = 0; column < 40; ++column)
      model.raster[0].cell(y, column) = fluff_cell(
          file.subspan(data + size_t(y / 8 * 40 + column) * cell_size), y % 8, multicolor);
  return {};
}

}  // namespace

result<> arrange_fluff(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() < 20 || !std::equal(fluff_mark.begin(), fluff_mark.end(), file.begin()))
    return failure{"no FLUFF picture"};
  switch (file[11]) {
    case 1:
      return arrange_fluff_cells(file, 15, true, model);
    case 4:
    case 5:
      return arrange_fluff_cells(file, 18, true, model);
    case 6:
      return arrange_fluff_cells(file, 18, false, model);
    case 7: {
      // A PETSCII screen of its own size: colours, then screen codes.
      const int columns = file[15], rows = file[16];
      const size_t cells = size_t(columns) * rows;
      if (file.size() < 45 + 2 * cells || columns == 0 || rows == 0 ||
          columns * 8 > max_canvas_width || rows * 8 > max_canvas_height)
        return failure{"the FLUFF screen's size"};
      draw_petscii(file, {columns, rows, 29 + cells, 29, 13}, model);
      return {};
    }
    default:
      return failure{"a FLUFF picture of another machine"};
  }
}

namespace {

// A font as RECOIL and font editors show it: 32 characters a row, set bits white on black.
void draw_font(std::span<const uint8_t> glyphs, int rows, int glyph_height, size_t characters,
               picture_model& model) {
  begin_raster(model, {256, static_cast<uint16_t>(rows * 8)});
  for (int y = 0; y < rows * 8; ++y)
    for (int column = 0; column < 32; ++column) {
      const size_t code = size_t(y / 8) * 32 + column;
      const uint8_t bits = code < characters ? glyph_row(glyphs, code, y % 8, glyph_height) : 0;
      model.raster[0].cell(y, column) = hires_cell(bits, 0, 1);
    }
}

}  // namespace

result<> arrange_64c(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() < 10 || file.size() > 2050 || file[0] != 0) return failure{"no .64c font"};
  draw_font(file.subspan(2), static_cast<int>((file.size() + 253) / 256), 8, 256, model);
  return {};
}

result<> arrange_seuck_font(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 514 || file[0] != 0x42 || file[1] != 0) return failure{"no SEUCK font"};
  draw_font(file.subspan(2), 2, 8, 64, model);
  return {};
}

// Nine bytes a character, the first of them not a row.
result<> arrange_zs_font(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 1026 || file[0] != 0xB0 || file[1] != 0xF0) return failure{"no .zs font"};
  draw_font(file.subspan(3), 4, 9, 113, model);
  return {};
}

namespace {

// Each of a frame's multicolour cells in the four fixed colours.
raster_cell four_colour_cell(uint8_t graphics, const std::array<uint8_t, 4>& colours) {
  return multicolor_cell(graphics, colours[0], colours[1], colours[2], colours[3]);
}

}  // namespace

// 50 character rows of one multicolour set; every character multicolour, as the displayer
// sets colour RAM.
result<> arrange_logo_painter(std::span<const uint8_t> file, picture_model& model) {
  if ((file.size() != 4098 && file.size() != 4174) || file[0] != 0 || file[1] != 0x18)
    return failure{"no Logo Painter picture"};
  const std::array<uint8_t, 4> colours =
      file.size() == 4174
          ? std::array<uint8_t, 4>{file[2045], file[2047], file[2048], uint8_t(file[2046] & 7)}
          : std::array<uint8_t, 4>{0, 10, 2, 1};
  begin_raster(model, {320, 400});
  for (int y = 0; y < 400; ++y)
    for (int column = 0; column < 40; ++column) {
      const uint8_t code = file[2 + size_t(y / 8) * 40 + column];
      model.raster[0].cell(y, column) =
          four_colour_cell(file[2050 + size_t(code) * 8 + y % 8], colours);
    }
  return {};
}

// Two multicolour bitmaps of six character rows, the second taken one pixel further right.
result<> arrange_interlace_logo(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 4098) return failure{"no interlace logo"};
  const std::array<uint8_t, 4> colours = {file[4094], file[4095], file[4096],
                                          uint8_t(file[4097] & 7)};
  begin_raster(model, {320, 48});
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 0; y < 48; ++y)
      for (int column = 0; column < 40; ++column)
        model.raster[frame].cell(y, column) = four_colour_cell(
            file[(frame == 0 ? 2050 : 2) + size_t(y / 8) * 320 + column * 8 + y % 8], colours);
  return {};
}

// Two character sets shown as their 256 characters in order, forty a row, in fixed colours;
// the places after the last character are black.
result<> arrange_multi_lace(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 4098) return failure{"no Multi-Lace picture"};
  constexpr std::array<uint8_t, 4> colours = {0, 9, 8, 5};
  begin_raster(model, {320, 56});
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 0; y < 56; ++y)
      for (int column = 0; column < 40; ++column) {
        const size_t code = size_t(y / 8) * 40 + column;
        const uint8_t bits = code < 256 ? file[(frame == 0 ? 2050 : 2) + code * 8 + y % 8] : 0;
        model.raster[frame].cell(y, column) = four_colour_cell(bits, colours);
      }
  return {};
}
