// Where a few file bytes of every format with an arrangement show in the model's raster, with
// the offsets written out from the formats' documented layouts rather than taken from the code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "formats/format_table.h"
#include "formats/picture_file.h"

namespace {

uint8_t offset_byte(uint32_t offset) {
  return (offset * 7 + (offset >> 8)) % 255;
}

raster_cell hires(uint8_t graphics, uint8_t clear, uint8_t set) {
  return {graphics, false, {uint8_t(clear & 15), uint8_t(set & 15), 0, 0}};
}

raster_cell multi(uint8_t graphics, uint8_t c00, uint8_t c01, uint8_t c10, uint8_t c11) {
  return {
      graphics, true, {uint8_t(c00 & 15), uint8_t(c01 & 15), uint8_t(c10 & 15), uint8_t(c11 & 15)}};
}

// A multicolour bitmap cell: 01 and 10 the screen byte's nibbles, 11 the colour RAM.
raster_cell bitmap_multi(uint8_t graphics, uint8_t background, uint8_t screen, uint8_t colour) {
  return multi(graphics, background, screen >> 4, screen, colour);
}

// A hires bitmap cell: set bits the screen byte's high nibble, clear ones its low nibble.
raster_cell bitmap_hires(uint8_t graphics, uint8_t screen) {
  return hires(graphics, screen & 15, screen >> 4);
}

using file_bytes = std::span<const uint8_t>;
using probe = std::function<void(file_bytes file, const picture_model& model)>;

struct format_probes {
  arrangement kind;
  std::string_view real_file;  // a real picture of the format, or empty
  // A file of the format whose other bytes tell their offsets.
  std::function<std::vector<uint8_t>()> file;
  probe check;
};

std::vector<uint8_t> offset_file(size_t size) {
  std::vector<uint8_t> file(size);
  for (size_t i = 0; i < size; ++i) file[i] = offset_byte(static_cast<uint32_t>(i));
  return file;
}

// A file of offset bytes with some bytes set.
std::vector<uint8_t> offset_file(size_t size,
                                 std::initializer_list<std::pair<size_t, uint8_t>> set) {
  std::vector<uint8_t> file = offset_file(size);
  for (const auto& [at, value] : set) file[at] = value;
  return file;
}

void append(std::vector<uint8_t>& file, std::initializer_list<uint8_t> bytes) {
  file.insert(file.end(), bytes);
}

const raster_cell& cell(const picture_model& model, int y, int column, int frame = 0) {
  return model.raster[frame].cell(y, column);
}

// A test ROM, no C64's: glyph row r of code c in set s tells all three.
uint8_t test_glyph_row(int set, int code, int row) {
  return static_cast<uint8_t>(code * 13 + row * 37 + set * 101);
}

// A FLUFF cell's byte with its pixels least significant first, turned to leftmost first.
uint8_t leftmost_first(uint8_t bits, bool pairs) {
  uint8_t turned = 0;
  for (int p = 0; p < 8; p += pairs ? 2 : 1)
    turned |= ((bits >> p) & (pairs ? 3 : 1)) << (pairs ? 6 - p : 7 - p);
  return turned;
}

// A FLUFF file of the type, its cells' colours small enough to show.
std::vector<uint8_t> fluff_file(uint8_t type, size_t data, size_t trailing) {
  std::vector<uint8_t> file = offset_file(data + 12000 + trailing);
  std::copy_n("FLUFF64", 7, file.begin());
  file[11] = type;
  for (size_t cell = 0; cell < 1000; ++cell)
    for (size_t k = 8; k < 12; ++k) file[data + cell * 12 + k] &= 15;
  return file;
}

// A CharPad block marker.
void block(std::vector<uint8_t>& file, uint8_t number) {
  append(file, {0xDA, static_cast<uint8_t>(0xB0 + number)});
}

// A Mufflon picture's bytes at the offsets of a .muf file, whose sprite pointers (offset 1017 of
// each screen, six of them) point into the file: each screen's sprites at blocks of its own.
std::vector<uint8_t> muf_image(size_t size) {
  std::vector<uint8_t> file = offset_file(size);
  for (int screen = 0; screen < 8; ++screen)
    for (int sprite = 0; sprite < 6; ++sprite) {
      file[7938 + screen * 1024 + 1017 + sprite] = uint8_t(10 + screen * 6 + sprite);
      if (screen < 4) file[763 + screen * 1024 + sprite] = uint8_t(140 + screen * 6 + sprite);
    }
  return file;
}

// What frame B of a .mui file holds at the offset a .muf file has it.
size_t mui_frame_b(size_t offset) {
  return offset < 11266 ? 32768 + offset : 10752 + offset;
}

// Checks one Mufflon frame whose .muf offset o lies at at(o): the bank at $4000 above line 128,
// the one at $0000 below it, and the sprite rows that run on past their blocks' ends.
void check_muf_frame(const picture_model& m, int frame, const std::function<uint8_t(size_t)>& at) {
  EXPECT_EQ(m.canvas, (canvas_size{296, 200}));
  // Line 0: screen 7 at 15106, the bitmap at 16130, both from column 3.
  EXPECT_EQ(cell(m, 0, 0, frame), hires(at(16130 + 3 * 8), at(15109), at(15109) >> 4));
  // Line 130: screen 1 of the lower bank at 770, its bitmap at -254.
  EXPECT_EQ(cell(m, 130, 5, frame),
            hires(at(-254 + 648 * 8 + 2), at(770 + 648), at(770 + 648) >> 4));
  // Line 170: from line 168 on, the lower screens run one pair ahead: screen 2 at 1794.
  EXPECT_EQ(cell(m, 170, 36, frame).colours[1], at(1794 + 840 + 3 + 36) >> 4);
  const sprite_line& top = m.raster[frame].sprites[0];
  EXPECT_EQ(top.multicolor_1, at(7923) & 15);
  EXPECT_EQ(top.multicolor_2, at(7922) & 15);
  const size_t block = 2 + (124 + at(15106 + 1017 + 2)) * 64;
  EXPECT_EQ(top.sprites[2], (sprite_row{.x = 96,
                                        .data = {at(block + 5), at(block + 6), at(block + 7)},
                                        .colour = uint8_t(at(770 + 1024) & 15),
                                        .shown = true,
                                        .multicolor = (at(4610) & 8) != 0,
                                        .x_expanded = true,
                                        .behind = true}));
  // Line 199: row 123 of the stretched sprite, two bytes on, wraps at the block's end.
  const sprite_line& bottom = m.raster[frame].sprites[199];
  const size_t lower = 2 + (at(2 - 256 + 1017 + 5) - 132) * 64;
  EXPECT_EQ(bottom.sprites[5].data[0], at(lower + 51));
  EXPECT_EQ(bottom.sprites[5].colour, at(770 + 2176 + 100) & 15);
  EXPECT_EQ(bottom.sprites[5].multicolor, (at(4610 + 100) & 0x40) != 0);
  EXPECT_FALSE(bottom.sprites[6].shown);
}

// A NUFLI picture whose sprite pointers (offset 1016 of each screen, eight of them) point into
// the file, and whose colour tables change the sprites' colours on a few lines only.
std::vector<uint8_t> nuf_image(size_t size) {
  std::vector<uint8_t> file = offset_file(size);
  for (int screen = 0; screen < 8; ++screen)
    for (int sprite = 0; sprite < 8; ++sprite) {
      file[8194 + screen * 1024 + 1016 + sprite] = uint8_t(10 + screen * 8 + sprite);
      if (screen < 4) file[2 + screen * 1024 + 1016 + sprite] = uint8_t(140 + screen * 8 + sprite);
    }
  // The six tables at 1026 + 0, 128, 1024, 1152, 2048 and 2176, a byte for every two lines; a
  // high nibble of 2 changes nothing.
  const std::array<size_t, 6> tables = {0, 128, 1024, 1152, 2048, 2176};
  for (const size_t table : tables) std::fill_n(&file[1026 + table], 101, 0x20);
  file[1026 + tables[1] + 5] = 0x07;   // sprite 2's own colour from line 9
  file[1026 + tables[0] + 20] = 0x5A;  // multicolour 1 from line 39
  file[1026 + tables[2] + 30] = 0xE4;  // the multicolour sprite's colour from line 60
  file[1026 + tables[3] + 40] = 0x7C;  // the first sprite's from line 80
  file[1026 + tables[4] + 50] = 0x69;  // multicolour 2 from line 100
  file[1026 + tables[5] + 60] = 0x0B;  // sprite 6's own colour from line 119
  return file;
}

void check_nuf(const picture_model& m, const std::function<uint8_t(size_t)>& at) {
  EXPECT_EQ(m.canvas, (canvas_size{320, 200}));
  // Line 0 begins screen 7 at 15362, so the FLI bug shows nothing there; line 2 is in it.
  EXPECT_EQ(cell(m, 0, 0), hires(at(16386), at(15362), at(15362) >> 4));
  EXPECT_EQ(cell(m, 2, 1), hires(at(16386 + 8 + 2), 15, 15));
  EXPECT_EQ(cell(m, 2, 3), hires(at(16386 + 3 * 8 + 2), at(14338 + 3), at(14338 + 3) >> 4));
  // Line 130: screen 1 of the lower bank at 1026, the bitmap at 2.
  EXPECT_EQ(cell(m, 130, 39), hires(at(2 + 679 * 8 + 2), at(1026 + 679), at(1026 + 679) >> 4));
  const auto line = [&](int y) { return m.raster[0].sprites[y]; };
  const size_t first = 2 + (128 + at(15362 + 1016)) * 64;
  EXPECT_EQ(line(0).sprites[0], (sprite_row{.data = {at(first + 5), at(first + 6), at(first + 7)},
                                            .colour = uint8_t(at(8185) & 15),
                                            .shown = true,
                                            .behind = true}));
  EXPECT_EQ(line(0).sprites[6].x, 24 + 5 * 48);
  EXPECT_TRUE(line(0).sprites[6].x_expanded);
  EXPECT_TRUE(line(0).sprites[7].multicolor);
  EXPECT_EQ(line(0).sprites[7].x, 0);
  EXPECT_EQ(line(0).sprites[7].colour, at(8184) & 15);
  EXPECT_EQ(line(0).multicolor_1, at(8179) & 15);
  EXPECT_EQ(line(0).multicolor_2, at(8178) & 15);
  EXPECT_EQ(line(8).sprites[2].colour, 0);
  EXPECT_EQ(line(9).sprites[2].colour, 7);
  EXPECT_EQ(line(38).multicolor_1, at(8179) & 15);
  EXPECT_EQ(line(39).multicolor_1, 10);
  EXPECT_EQ(line(59).sprites[7].colour, at(8184) & 15);
  EXPECT_EQ(line(60).sprites[7].colour, 4);
  EXPECT_EQ(line(80).sprites[0].colour, 12);
  EXPECT_EQ(line(100).multicolor_2, 9);
  EXPECT_EQ(line(118).sprites[6].colour, 0);
  EXPECT_EQ(line(120).sprites[6].colour, 11);
  // Line 199: screen 0 of the lower bank, row 123 of its stretched sprites.
  EXPECT_EQ(line(199).sprites[3].data[0], at(2 + (at(2 + 1016 + 3) - 128) * 64 + 51));
}

std::vector<format_probes> screen_and_sheet_formats() {
  return {
      // The upper screen's video counter starts three columns in (under the FLI bug); the lower
      // one's carries on from 1000 and wraps at 1024.
      {arrangement::bfli, "monstergdc__CommodoreC64-Delphi__b5ad.bfli",
       [] {
         return offset_file(33795, {{2, 'b'}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{296, 400}));
         EXPECT_EQ(cell(m, 0, 0), bitmap_multi(f[9219 + 3 * 8], 0, f[1027 + 3], f[3 + 3]));
         EXPECT_EQ(cell(m, 13, 36),
                   bitmap_multi(f[9219 + 79 * 8 + 5], 0, f[1027 + 5 * 1024 + 79], f[3 + 79]));
         EXPECT_EQ(cell(m, 200, 0),
                   bitmap_multi(f[25603 + 1003 * 8], 0, f[17411 + 1003], f[3 + 1003]));
         EXPECT_EQ(cell(m, 213, 36),
                   bitmap_multi(f[25603 + 55 * 8 + 5], 0, f[17411 + 5 * 1024 + 55], f[3 + 55]));
         EXPECT_EQ(cell(m, 399, 36),
                   bitmap_multi(f[25603 + 975 * 8 + 7], 0, f[17411 + 7 * 1024 + 975], f[3 + 975]));
       }},
      // Cells row by row, 8 bytes each; set bits are black ink on white.
      {arrangement::printfox, "xinteksik__C64-Pagefox-cs__foxi.pg.prg",
       [] {
         std::vector<uint8_t> file = {'P', 2, 3, 'K', 9, 9, 9, 9, 9, 9, 9, 9, 0};
         for (int k = 0; k < 48; ++k)
           file.push_back(static_cast<uint8_t>(k * 5 == 0x9B ? 1 : k * 5));
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         if (m.canvas.width == 24) {
           EXPECT_EQ(cell(m, 0, 0), hires(f[13], 1, 0));
           EXPECT_EQ(cell(m, 7, 2), hires(f[13 + 2 * 8 + 7], 1, 0));
           EXPECT_EQ(cell(m, 9, 1), hires(f[13 + 4 * 8 + 1], 1, 0));
         } else {
           // The real clip: 34 x 22 cells, its data after a header of 4 bytes per cell row.
           EXPECT_EQ(m.canvas, (canvas_size{272, 176}));
           EXPECT_EQ(cell(m, 0, 0).colours, (std::array<uint8_t, 4>{1, 0, 0, 0}));
         }
       }},
      // Width in cells, height in cell rows, the cells row by row; set bits black on white.
      {arrangement::star_painter, "",
       [] {
         std::vector<uint8_t> file = offset_file(2 + 3 * 2 * 8);
         file[0] = 3;
         file[1] = 2;
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{24, 16}));
         EXPECT_EQ(cell(m, 0, 0), hires(f[2], 1, 0));
         EXPECT_EQ(cell(m, 7, 2), hires(f[2 + 2 * 8 + 7], 1, 0));
         EXPECT_EQ(cell(m, 9, 1), hires(f[2 + 4 * 8 + 1], 1, 0));
       }},
      // Column 2 (multicolour pixels: 4 hires), line 5, 8 x 10 pixels: 3 x 3 cells of screen,
      // colour RAM and 8 bitmap bytes, the picture showing the raster from column 4, line 5.
      {arrangement::mwi, "",
       [] {
         return offset_file(5 + 3 * 3 * 10, {{1, 2}, {2, 5}, {3, 8}, {4, 10}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{16, 10, 4, 5}));
         EXPECT_EQ(cell(m, 0, 0), bitmap_multi(f[7], 0, f[5], f[6]));
         EXPECT_EQ(cell(m, 13, 1), bitmap_multi(f[5 + 4 * 10 + 2 + 5], 0, f[5 + 40], f[6 + 40]));
         EXPECT_EQ(cell(m, 23, 2), bitmap_multi(f[5 + 8 * 10 + 2 + 7], 0, f[5 + 80], f[6 + 80]));
       }},
      // Kind 0xA8, one cell row, escape 0xFF: 320 bitmap bytes as they are (none is 0xFF),
      // then 40 screen bytes (none is 0, the screen's escape).
      {arrangement::shp, "",
       [] {
         std::vector<uint8_t> file = {0, 0, 0xA8, 1, 0xFF};
         for (int k = 0; k < 320; ++k) file.push_back(static_cast<uint8_t>(k * 7 % 255));
         for (int k = 0; k < 40; ++k) file.push_back(static_cast<uint8_t>(k * 13 % 255 + 1));
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 8}));
         EXPECT_EQ(cell(m, 0, 0), hires(f[5], f[325], f[325] >> 4));
         EXPECT_EQ(cell(m, 6, 39), hires(f[5 + 39 * 8 + 6], f[325 + 39], f[325 + 39] >> 4));
       }},
      // Screen codes, border, background, $D018 (here the lower-case set), colour RAM.
      {arrangement::pet, "",
       [] {
         return offset_file(2026, {{1004, 0x17}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, canvas_size{});
         EXPECT_EQ(cell(m, 0, 0), hires(test_glyph_row(1, f[2], 0), f[1003], f[1026]));
         EXPECT_EQ(cell(m, 13, 5), hires(test_glyph_row(1, f[2 + 45], 5), f[1003], f[1026 + 45]));
         EXPECT_EQ(cell(m, 199, 39), hires(test_glyph_row(1, f[1001], 7), f[1003], f[2025]));
         EXPECT_FALSE(m.drawn_with_own_glyphs);
       }},
      {arrangement::pet, "",
       [] {
         return offset_file(2026, {{1004, 0x15}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(cell(m, 13, 5), hires(test_glyph_row(0, f[2 + 45], 5), f[1003], f[1026 + 45]));
       }},
      // Pen, background, border, screen codes, colour RAM.
      {arrangement::pdr, "", [] { return offset_file(2029); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(cell(m, 0, 0), hires(test_glyph_row(0, f[5], 0), f[3], f[1029]));
         EXPECT_EQ(cell(m, 199, 39), hires(test_glyph_row(0, f[1004], 7), f[3], f[2028]));
       }},
      // Type 1: multicolour cells of 12 bytes from offset 15.
      {arrangement::fluff, "", [] { return fluff_file(1, 15, 0); },
       [](file_bytes f, const picture_model& m) {
         const size_t c = 15 + 45 * 12;
         EXPECT_EQ(cell(m, 13, 5),
                   multi(leftmost_first(f[c + 5], true), f[c + 8], f[c + 9], f[c + 10], f[c + 11]));
       }},
      // Type 6: hires cells from offset 18, and the footer of newer files after them.
      {arrangement::fluff, "", [] { return fluff_file(6, 18, 256); },
       [](file_bytes f, const picture_model& m) {
         const size_t c = 18 + 999 * 12;
         EXPECT_EQ(cell(m, 199, 39), hires(leftmost_first(f[c + 7], false), f[c + 8], f[c + 9]));
       }},
      // Type 7: a PETSCII screen of 3 x 2 here: colours from 29, then the screen codes.
      {arrangement::fluff, "",
       [] {
         std::vector<uint8_t> file = offset_file(57);
         std::copy_n("FLUFF64", 7, file.begin());
         file[11] = 7;
         file[15] = 3;
         file[16] = 2;
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{24, 16}));
         EXPECT_EQ(cell(m, 9, 2), hires(test_glyph_row(0, f[35 + 5], 1), f[13], f[29 + 5]));
       }},
      // 32 characters a row, white on black; rows past the file's end black.
      {arrangement::font_64c, "",
       [] {
         return offset_file(700, {{0, 0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{256, 24}));
         EXPECT_EQ(cell(m, 9, 3), hires(f[2 + 35 * 8 + 1], 0, 1));
         EXPECT_EQ(cell(m, 23, 31), hires(0, 0, 1));
       }},
      {arrangement::seuck_font, "",
       [] {
         return offset_file(514, {{0, 0x42}, {1, 0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{256, 16}));
         EXPECT_EQ(cell(m, 15, 31), hires(f[513], 0, 1));
       }},
      // Nine bytes a character, its rows from the second; characters from 113 on black.
      {arrangement::zs_font, "",
       [] {
         return offset_file(1026, {{0, 0xB0}, {1, 0xF0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{256, 32}));
         EXPECT_EQ(cell(m, 10, 3), hires(f[3 + 35 * 9 + 2], 0, 1));
         EXPECT_EQ(cell(m, 24, 17), hires(0, 0, 1));
       }},
      // 2000 screen codes, a multicolour set at 2050, fixed colours...
      {arrangement::logo_painter, "",
       [] {
         return offset_file(4098, {{0, 0}, {1, 0x18}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 400}));
         EXPECT_EQ(cell(m, 13, 5), multi(f[2050 + f[2 + 45] * 8 + 5], 0, 10, 2, 1));
       }},
      // ... or the longer file's own, kept after the screen.
      {arrangement::logo_painter, "",
       [] {
         return offset_file(4174, {{0, 0}, {1, 0x18}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(cell(m, 399, 39),
                   multi(f[2050 + f[2001] * 8 + 7], f[2045], f[2047], f[2048], f[2046] & 7));
       }},
      // Frame A's bitmap at 2050, frame B's at 2, the four colours at the end.
      {arrangement::interlace_logo, "", [] { return offset_file(4098); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 48}));
         EXPECT_EQ(cell(m, 13, 5),
                   multi(f[2050 + 320 + 40 + 5], f[4094], f[4095], f[4096], f[4097] & 7));
         EXPECT_EQ(cell(m, 13, 5, 1),
                   multi(f[2 + 320 + 40 + 5], f[4094], f[4095], f[4096], f[4097] & 7));
       }},
      // Frame A's set at 2050, frame B's at 2, its characters in order.
      {arrangement::multi_lace, "", [] { return offset_file(4098); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 56}));
         EXPECT_EQ(cell(m, 13, 5), multi(f[2050 + 45 * 8 + 5], 0, 9, 8, 5));
         EXPECT_EQ(cell(m, 13, 5, 1), multi(f[2 + 45 * 8 + 5], 0, 9, 8, 5));
         EXPECT_EQ(cell(m, 48, 16), multi(0, 0, 9, 8, 5));
       }},
      // Version 5: 3 characters, 2 tiles of 2 x 1 with a colour each, a map of 2 x 1 tiles.
      {arrangement::charpad,
       "c64lib__gradle-retro-assembler-plugin__text-mc-per-char-notiles-ctm5.ctm",
       [] {
         std::vector<uint8_t> file = {'C', 'T', 'M', 5, 6, 7, 8, 9, 1, 1,
                                      2,   0,   1,   0, 2, 1, 2, 0, 1, 0};
         for (uint8_t k = 0; k < 24; ++k) file.push_back(static_cast<uint8_t>(k * 11));
         append(file, {0x21, 0x22, 0x23});        // the characters' attributes
         append(file, {2, 0, 0, 0, 1, 0, 2, 0});  // tiles: 2 0, then 1 2
         append(file, {3, 4});                    // their colours
         append(file, {1, 0, 0, 0});              // the map: tile 1, tile 0
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         if (f.size() != 51) return;  // the real file's own probes are RECOIL's, in the notes
         EXPECT_EQ(m.canvas, (canvas_size{32, 8}));
         EXPECT_EQ(cell(m, 5, 0), hires(f[20 + 1 * 8 + 5], 6, 4));
         EXPECT_EQ(cell(m, 5, 1), hires(f[20 + 2 * 8 + 5], 6, 4));
         EXPECT_EQ(cell(m, 5, 3), hires(f[20 + 0 * 8 + 5], 6, 3));
       }},
      // Version 8, bitmap multicolour, three colour bytes a character (11, 10, 01).
      {arrangement::charpad, "",
       [] {
         std::vector<uint8_t> file = {'C', 'T', 'M', 8, 4, 2, 0, 5, 6, 7, 8, 9, 10, 11};
         block(file, 0);
         append(file, {1, 0});
         for (uint8_t k = 0; k < 16; ++k) file.push_back(static_cast<uint8_t>(k * 7 + 1));
         block(file, 1);
         append(file, {0, 0});
         block(file, 2);
         append(file, {1, 2, 3, 0x1C, 0x2D, 0x3E});
         block(file, 3);
         append(file, {1, 0, 1, 0, 1, 0});
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{8, 8}));
         EXPECT_EQ(cell(m, 3, 0), multi(f[18 + 8 + 3], 5, 0x3E, 0x2D, 0x1C));
       }},
      // Version 8 of the test releases, text multicolour, four colour bytes a character: colour
      // RAM (the last) with bit 3 makes a character multicolour, without it hires.
      {arrangement::charpad, "",
       [] {
         std::vector<uint8_t> file = {'C', 'T', 'M', 8, 1, 2, 0, 5, 6, 7, 8, 9, 10, 11, 12};
         block(file, 0);
         append(file, {1, 0});
         for (uint8_t k = 0; k < 16; ++k) file.push_back(static_cast<uint8_t>(k * 7 + 1));
         block(file, 1);
         append(file, {0, 0});
         block(file, 2);
         append(file, {0, 0, 0, 0x0A, 0, 0, 0, 0x02});
         block(file, 3);
         append(file, {2, 0, 1, 0, 0, 0, 1, 0});
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{16, 8}));
         EXPECT_EQ(cell(m, 2, 0), multi(f[19 + 2], 5, 6, 7, 2));
         EXPECT_EQ(cell(m, 2, 1), hires(f[19 + 8 + 2], 5, 2));
       }},
      // "SPD" 1, 18 sprites: sixteen a row, 26 x 23 pixels apart, on the background colour;
      // bit 7 of a sprite's last byte makes it multicolour.
      {arrangement::spritepad, "Esshahn__spritemate__Antiriad.spd",
       [] {
         std::vector<uint8_t> file = offset_file(9 + 18 * 64 + 4, {{0, 'S'}, {1, 'P'}, {2, 'D'}});
         file[3] = 1;
         file[4] = 17;
         file[5] = 0;
         file[9 + 16 * 64 + 63] = 0x85;
         file[9 + 17 * 64 + 63] = 0x03;
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         if (f.size() == 10485) {
           EXPECT_EQ(m.canvas, (canvas_size{414, 251}));  // 162 sprites in 11 rows
           return;
         }
         EXPECT_EQ(m.canvas, (canvas_size{414, 44}));
         EXPECT_EQ(cell(m, 21, 51), hires(0, f[6], f[6]));
         const sprite_line& line = m.raster[0].sprites[23 + 4];
         EXPECT_EQ(line.multicolor_1, f[7] & 15);
         EXPECT_EQ(line.multicolor_2, f[8] & 15);
         EXPECT_EQ(line.sprites[0], (sprite_row{.x = 0,
                                                .data = {f[1045], f[1046], f[1047]},
                                                .colour = 5,
                                                .shown = true,
                                                .multicolor = true}));
         EXPECT_EQ(line.sprites[1].x, 26);
         EXPECT_EQ(line.sprites[1].colour, 3);
         EXPECT_FALSE(line.sprites[1].multicolor);
         EXPECT_FALSE(line.sprites[2].shown);
         EXPECT_FALSE(m.raster[0].sprites[21].sprites[0].shown);  // the gap between rows
       }},
      // The first SpritePad's files: three colours and the sprites alone, one row of three.
      {arrangement::spritepad, "",
       [] {
         return offset_file(3 + 3 * 64, {{0, 1}, {1, 2}, {2, 3}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{76, 21}));
         EXPECT_EQ(m.raster[0].sprites[20].sprites[2].data[2], f[3 + 128 + 62]);
       }},
      // 127 multicolour sprites, black and white shared, on dark grey.
      {arrangement::seuck_sprites, "",
       [] {
         return offset_file(8130, {{0, 0x42}, {1, 0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{416, 182}));
         EXPECT_EQ(cell(m, 0, 51), hires(0, 11, 11));
         const sprite_line& line = m.raster[0].sprites[7 * 23 + 20];
         EXPECT_EQ(line.multicolor_1, 0);
         EXPECT_EQ(line.multicolor_2, 1);
         const size_t last = 2 + 126 * 64;
         EXPECT_EQ(line.sprites[14], (sprite_row{.x = 14 * 26,
                                                 .data = {f[last + 60], f[last + 61], f[last + 62]},
                                                 .colour = uint8_t(f[last + 63] & 15),
                                                 .shown = true,
                                                 .multicolor = true}));
         EXPECT_FALSE(line.sprites[15].shown);
       }},
  };
}

// Unpacked test bytes that tell their offsets, never 0xE5, the escape byte of the packed files.
uint8_t pattern(uint32_t offset) {
  return static_cast<uint8_t>((offset * 13 + offset / 229) % 229);
}

// A packed Super Hires file of size pattern bytes: no load address, the escape byte 0xE5 first,
// then an empty run and the bytes plain.
std::vector<uint8_t> escaped_from_0(uint32_t size) {
  std::vector<uint8_t> file = {0xE5, 0xE5, 0x00, 0x77};
  for (uint32_t i = 0; i < size; ++i) file.push_back(pattern(i));
  return file;
}

// Hires bitmaps with hires sprites over them.
std::vector<format_probes> sprite_overlay_formats() {
  return {
      // Two frames of 24 cell columns: frame B's bitmap and sprite blocks follow frame A's, the
      // screen RAM and the eight sprite colours after both; a sprite column moves down one
      // block every 21 lines.
      {arrangement::esh, "",
       [] {
         return offset_file(20454, {{2, 0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{192, 200}));
         EXPECT_EQ(cell(m, 9, 5), bitmap_hires(f[3 + 29 * 8 + 1], f[19843 + 29]));
         EXPECT_EQ(cell(m, 199, 23, 1), bitmap_hires(f[4803 + 599 * 8 + 7], f[19843 + 599]));
         const size_t block = 14723 + (2 * 8 + 7) * 64;
         EXPECT_EQ(m.raster[1].sprites[45].sprites[7],
                   (sprite_row{.x = 168,
                               .data = {f[block + 9], f[block + 10], f[block + 11]},
                               .colour = uint8_t(f[20450] & 15),
                               .shown = true}));
         EXPECT_EQ(m.raster[0].sprites[0].sprites[0].data[0], f[9603]);
       }},
      // Packed: byte 2 not 0, then commands from byte 3: 0x80 + n repeats the next byte n
      // times, n below 0x80 copies n bytes.
      {arrangement::esh, "",
       [] {
         std::vector<uint8_t> file = {0x00, 0x40, 1};
         for (uint8_t run = 0; run < 161; ++run) append(file, {0xFF, run});
         append(file, {2, 0xAB, 0xCD, 0x00});
         return file;
       },
       [](file_bytes, const picture_model& m) {
         // Offset 3 + 127 * r starts run r; frame A's bitmap starts at 3.
         EXPECT_EQ(cell(m, 0, 0).graphics, 0);
         EXPECT_EQ(cell(m, 0, 16).graphics, 1);  // offset 3 + 128
         EXPECT_EQ(m.raster[0].sprites[0].sprites[0].data[0], (9603 - 3) / 127);
         EXPECT_EQ(m.raster[1].sprites[0].sprites[7].colour, 0xAB & 15);  // offset 20450
       }},
      // Two frames of 15368 bytes: the bitmap, the lower and the upper sprite layer (ten blocks
      // down each of four columns), one screen byte a cell column, the layers' colours.
      {arrangement::ish, "", [] { return offset_file(30738); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 200}));
         EXPECT_EQ(cell(m, 17, 33, 1), bitmap_hires(f[15370 + 113 * 8 + 1], f[15370 + 13312 + 33]));
         const sprite_line& line = m.raster[0].sprites[50];
         const size_t block = 22 * 64 + 8 * 3;
         EXPECT_EQ(line.sprites[2],
                   (sprite_row{.x = 48,
                               .data = {f[10754 + block], f[10755 + block], f[10756 + block]},
                               .colour = uint8_t(f[2 + 15366] & 15),
                               .shown = true}));
         EXPECT_EQ(line.sprites[6].data[2], f[8194 + block + 2]);
         EXPECT_EQ(line.sprites[6].colour, f[2 + 15362] & 15);
         EXPECT_FALSE(line.sprites[8].shown);
       }},
      // 96 x 168: the screen RAM, the lower layer's blocks, the upper layer's, eight blocks
      // down each of four columns, the bitmap; the layers' colours before the screen.
      {arrangement::sh1, "", [] { return offset_file(14770); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 168}));
         EXPECT_EQ(cell(m, 20, 5), bitmap_hires(f[6690 + 85 * 8 + 4], f[448 + 85]));
         const sprite_line& line = m.raster[0].sprites[50];
         const size_t row = 9 * 64 + 8 * 3;
         EXPECT_EQ(line.sprites[1],
                   (sprite_row{.x = 24,
                               .data = {f[4530 + row], f[4531 + row], f[4532 + row]},
                               .colour = uint8_t(f[431] & 15),
                               .shown = true}));
         EXPECT_EQ(line.sprites[5].data[0], f[2482 + row]);
         EXPECT_EQ(line.sprites[5].colour, f[427] & 15);
       }},
      // Packed: the escape byte first, no load address; the sprites by byte columns of 168
      // lines, the upper layer's colour in the high nibble. A run of count 0 gives nothing.
      {arrangement::sh1, "", [] { return escaped_from_0(6304); },
       [](file_bytes, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 168}));
         EXPECT_EQ(cell(m, 9, 3), bitmap_hires(pattern(15 * 8 + 1), pattern(6048 + 15)));
         const sprite_line& line = m.raster[0].sprites[30];
         EXPECT_EQ(line.sprites[2].data,
                   (std::array<uint8_t, 3>{pattern(4032 + 1008 + 30), pattern(4032 + 1176 + 30),
                                           pattern(4032 + 1344 + 30)}));
         EXPECT_EQ(line.sprites[2].colour, pattern(6302) >> 4);
         EXPECT_EQ(line.sprites[6].data[1], pattern(2016 + 1176 + 30));
         EXPECT_EQ(line.sprites[6].colour, pattern(6302) & 15);
       }},
      // 192 x 168: one layer of eight sprites.
      {arrangement::sh2, "", [] { return offset_file(14770); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{192, 168}));
         EXPECT_EQ(cell(m, 100, 23), bitmap_hires(f[6642 + 503 * 8 + 4], f[442 + 503]));
         const sprite_row& sprite = m.raster[0].sprites[100].sprites[7];
         EXPECT_EQ(sprite.x, 168);
         EXPECT_EQ(sprite.data[2], f[2482 + 39 * 64 + 16 * 3 + 2]);
         EXPECT_EQ(sprite.colour, f[433] & 15);
         EXPECT_FALSE(m.raster[0].sprites[100].sprites[8].shown);
       }},
      {arrangement::sh2, "", [] { return escaped_from_0(8576); },
       [](file_bytes, const picture_model& m) {
         EXPECT_EQ(cell(m, 167, 23), bitmap_hires(pattern(503 * 8 + 7), pattern(8064 + 503)));
         const sprite_row& sprite = m.raster[0].sprites[167].sprites[7];
         EXPECT_EQ(sprite.data[1], pattern(4032 + 22 * 168 + 167));
         EXPECT_EQ(sprite.colour, pattern(8568 + 7) & 15);
       }},
      // 96 x 88: eight blocks a sprite row, the lower layer's four then the upper's, over the
      // first 84 lines, one colour a layer after them.
      {arrangement::she, "", [] { return offset_file(3250); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 88}));
         EXPECT_EQ(cell(m, 87, 11), bitmap_hires(f[2 + 131 * 8 + 7], f[1058 + 131]));
         const sprite_line& line = m.raster[0].sprites[83];
         EXPECT_EQ(line.sprites[3].data[0], f[1446 + 27 * 64 + 60]);
         EXPECT_EQ(line.sprites[3].colour, f[3239] & 15);
         EXPECT_EQ(line.sprites[7].data[0], f[1190 + 27 * 64 + 60]);
         EXPECT_EQ(line.sprites[7].colour, f[3238] & 15);
         EXPECT_FALSE(m.raster[0].sprites[84].sprites[0].shown);
       }},
      // 192 x 168: one layer of eight sprites from the second line on.
      {arrangement::she, "", [] { return offset_file(8642); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{192, 168}));
         EXPECT_EQ(cell(m, 8, 1), bitmap_hires(f[2 + 25 * 8], f[8130 + 25]));
         EXPECT_FALSE(m.raster[0].sprites[0].sprites[0].shown);
         EXPECT_EQ(m.raster[0].sprites[22].sprites[0].data[0], f[4034 + 8 * 64]);
         EXPECT_EQ(m.raster[0].sprites[22].sprites[0].colour, f[8634] & 15);
       }},
      // A full screen's bitmap; the sprites, eight blocks down each column, over lines 17 to 184
      // from x 16; the colours of the lower layer, then the upper's.
      {arrangement::shs, "", [] { return offset_file(14338); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 200}));
         EXPECT_EQ(cell(m, 199, 39), bitmap_hires(f[2 + 999 * 8 + 7], f[13314 + 999]));
         EXPECT_FALSE(m.raster[0].sprites[16].sprites[0].shown);
         EXPECT_FALSE(m.raster[0].sprites[185].sprites[0].shown);
         EXPECT_EQ(m.raster[0].sprites[17].sprites[0].x, 16);
         const sprite_line& line = m.raster[0].sprites[184];
         EXPECT_EQ(line.sprites[3].x, 88);
         EXPECT_EQ(line.sprites[3].data[2], f[10242 + 31 * 64 + 62]);
         EXPECT_EQ(line.sprites[3].colour, f[8009] & 15);
         EXPECT_EQ(line.sprites[7].data[2], f[8194 + 31 * 64 + 62]);
         EXPECT_EQ(line.sprites[7].colour, f[8005] & 15);
       }},
      // Two frames of 96 x 200 sharing the screen RAM and the colours after it; each frame's
      // sprites eight blocks a sprite row, the upper layer's four then the lower's.
      {arrangement::shi, "",
       [] {
         return offset_file(15355, {{2, 0}});
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 200}));
         EXPECT_EQ(cell(m, 199, 11, 1), bitmap_hires(f[2403 + 299 * 8 + 7], f[15043 + 299]));
         const sprite_line& line = m.raster[1].sprites[199];
         EXPECT_EQ(line.sprites[0].data[0], f[9923 + 72 * 64 + 30]);
         EXPECT_EQ(line.sprites[0].colour, f[15343] & 15);
         EXPECT_EQ(line.sprites[4].data[0], f[10179 + 72 * 64 + 30]);
         EXPECT_EQ(line.sprites[4].colour, f[15347] & 15);
       }},
      // An FLI bitmap one line down under two layers whose blocks change every line: line 9
      // shows blocks 152 and 162, line 7's fourth sprites blocks 62 and 126.
      {arrangement::shf, "", [] { return offset_file(15874); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{208, 167}));
         EXPECT_EQ(cell(m, 6, 25), bitmap_hires(f[8306 + 25 * 8 + 7], f[16 + 7 * 1024 + 25]));
         EXPECT_EQ(cell(m, 7, 0), bitmap_hires(f[8306 + 40 * 8], f[16 + 40]));
         const sprite_line& line = m.raster[0].sprites[9];
         EXPECT_EQ(line.sprites[1].data[0], f[2 + 152 * 64 + 27]);
         EXPECT_EQ(line.sprites[1].colour, f[1002] & 15);
         EXPECT_EQ(line.sprites[5].data[0], f[2 + 162 * 64 + 27]);
         EXPECT_EQ(line.sprites[5].colour, f[1003] & 15);
         EXPECT_EQ(m.raster[0].sprites[7].sprites[3].data[2], f[2 + 62 * 64 + 21 + 2]);
         EXPECT_EQ(m.raster[0].sprites[7].sprites[7].data[2], f[2 + 126 * 64 + 21 + 2]);
       }},
      // Packed: the escape byte at 2, a count of 0 repeating 256 times; 96 x 167 by lines of
      // twelve bytes: the upper layer, the lower, the bitmap, the colours, then one sprite colour.
      {arrangement::shf, "",
       [] {
         std::vector<uint8_t> file = {0x00, 0x40, 0xE5, 0xE5, 0x00, 0x33};
         for (uint32_t i = 256; i < 8170; ++i) file.push_back(pattern(i));
         return file;
       },
       [](file_bytes, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 167}));
         EXPECT_EQ(m.raster[0].sprites[0].sprites[0].data[0], 0x33);
         EXPECT_EQ(cell(m, 100, 7), bitmap_hires(pattern(4096 + 1207), pattern(6144 + 1207)));
         const sprite_line& line = m.raster[0].sprites[100];
         EXPECT_EQ(line.sprites[2].data[2], pattern(1200 + 8));
         EXPECT_EQ(line.sprites[6].data[2], pattern(2048 + 1208));
         EXPECT_EQ(line.sprites[6].colour, pattern(8168) & 15);
       }},
      // Two frames, each its packed length plus 37890, the escape byte and a stream read from
      // its end down; then the two layers' colours of each frame.
      {arrangement::sif, "",
       [] {
         std::vector<uint8_t> file;
         for (uint32_t frame = 0; frame < 2; ++frame) {
           append(file, {(8177 + 37890) & 0xFF, (8177 + 37890) >> 8, 0xE5});
           for (uint32_t i = 0; i < 8176; ++i) file.push_back(pattern(i + frame));
         }
         append(file, {1, 2, 3, 4});
         return file;
       },
       [](file_bytes, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{96, 167}));
         EXPECT_EQ(cell(m, 3, 2, 1).graphics, pattern(4096 + 38 + 1));
         EXPECT_EQ(m.raster[0].sprites[1].sprites[0].colour, 1);
         EXPECT_EQ(m.raster[0].sprites[1].sprites[4].colour, 2);
         EXPECT_EQ(m.raster[1].sprites[1].sprites[1].data[0], pattern(15 + 1));
         EXPECT_EQ(m.raster[1].sprites[1].sprites[1].colour, 3);
         EXPECT_EQ(m.raster[1].sprites[1].sprites[5].colour, 4);
       }},
      // An FLI bitmap under six sprites of one colour whose blocks change every line.
      {arrangement::shx, "", [] { return offset_file(15362); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{144, 168}));
         EXPECT_EQ(cell(m, 9, 17), bitmap_hires(f[8282 + 57 * 8 + 1], f[13 + 1024 + 57]));
         EXPECT_EQ(m.raster[0].sprites[0].sprites[5].data[0], f[8194 + 110 * 64]);
         EXPECT_EQ(m.raster[0].sprites[1].sprites[5].data[0], f[8194 + 14 * 64 + 3]);
         EXPECT_EQ(m.raster[0].sprites[2].sprites[1].data[0], f[8194 + 19 * 64 + 6]);
         EXPECT_EQ(m.raster[0].sprites[2].sprites[1].colour, f[1003] & 15);
       }},
      // Packed: read from the end down, the last byte the escape; eighteen bytes a line.
      {arrangement::shx, "",
       [] {
         std::vector<uint8_t> file = {0x00, 0x40};
         for (uint32_t i = 0; i < 9168; ++i) file.push_back(pattern(i));
         file.push_back(0xE5);
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{144, 168}));
         EXPECT_EQ(cell(m, 10, 17), bitmap_hires(f[2 + 3072 + 197], f[2 + 6144 + 197]));
         EXPECT_EQ(m.raster[0].sprites[10].sprites[4].data[0], f[2 + 180 + 12]);
         EXPECT_EQ(m.raster[0].sprites[10].sprites[4].colour, f[2 + 3025] & 15);
       }},
  };
}

std::vector<format_probes> fli_sprite_formats() {
  return {
      // FLI-Profi: sprites at 2, line colours at 642, the bug's colours at 898, the sprite's
      // two at 1098, colour RAM at 1154, screen RAMs at 2178, the bitmap at 10370. Under the FLI
      // bug the screen byte is 0xFF; a sprite row of its own covers it on every line.
      {arrangement::fpr, "", [] { return offset_file(18370); },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(m.canvas, (canvas_size{320, 200}));
         EXPECT_EQ(cell(m, 0, 0), multi(f[10370], 0, 15, 15, f[898] >> 4));
         EXPECT_EQ(cell(m, 9, 2), multi(f[10370 + 42 * 8 + 1], 0, 15, 15, f[898 + 9] >> 4));
         EXPECT_EQ(cell(m, 9, 5),
                   bitmap_multi(f[10370 + 45 * 8 + 1], 0, f[2178 + 1024 + 45], f[1154 + 45]));
         const auto sprite = [&](int y) { return m.raster[0].sprites[y]; };
         EXPECT_EQ(sprite(0).sprites[0], (sprite_row{.data = {f[2], f[3], f[4]},
                                                     .colour = uint8_t(f[1098] & 15),
                                                     .shown = true,
                                                     .multicolor = true}));
         EXPECT_EQ(sprite(0).multicolor_1, f[642] & 15);
         EXPECT_EQ(sprite(0).multicolor_2, f[1099] & 15);
         EXPECT_EQ(sprite(1).sprites[0].data[0], f[2 + 5 * 64]);  // the second set, row 0
         EXPECT_EQ(sprite(3).sprites[0].data[1], f[2 + 3 + 1]);   // the first set, row 1
         EXPECT_EQ(sprite(45).sprites[0].data[2], f[2 + 6 * 64 + 3 + 2]);
         EXPECT_EQ(sprite(199).multicolor_1, f[642 + 199] & 15);
         EXPECT_FALSE(sprite(199).sprites[1].shown);
       }},
      // Mufflon: sprites from 2, their colours in tables from 770, their modes at 4610, the shared
      // colours at 7922, the lower bank's screens below the upper one's from 7938, then bitmap.
      {arrangement::muf, "", [] { return muf_image(21826); },
       [](file_bytes f, const picture_model& m) {
         check_muf_frame(m, 0, [&](size_t o) { return f[o]; });
       }},
      // Frame A as a .muf file, frame B's offsets 2..11265 at 32770, the rest at 22018.
      {arrangement::mui, "",
       [] {
         std::vector<uint8_t> file = offset_file(44034);
         const std::vector<uint8_t> image = muf_image(21762);
         for (size_t o = 2; o < image.size(); ++o) file[o] = file[mui_frame_b(o)] = image[o];
         file[4610] = 0;                  // frame A's sprites hires
         file[mui_frame_b(4610)] = 0x7E;  // frame B's multicolour
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         check_muf_frame(m, 0, [&](size_t o) { return f[o]; });
         check_muf_frame(m, 1, [&](size_t o) { return f[mui_frame_b(o)]; });
         EXPECT_FALSE(m.raster[0].sprites[0].sprites[0].multicolor);
         EXPECT_TRUE(m.raster[1].sprites[0].sprites[0].multicolor);
       }},
      // Packed: read from the end down, runs "escape count value", the escape byte at 2; the
      // stream ends with a run of 200 zeros (the file's last three bytes).
      {arrangement::mup, "",
       [] {
         const std::vector<uint8_t> image = muf_image(21762);
         std::vector<uint8_t> file = {image[0], image[1], 0xFF};
         file.insert(file.end(), image.begin() + 2, image.end() - 200);
         append(file, {0, 200, 0xFF});
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         check_muf_frame(m, 0, [&](size_t o) { return o < 21562 ? f[o + 1] : uint8_t{0}; });
       }},
      // NUFLI: sprites from 2, lower screens and bitmap from 2 too, their colour tables at 1026,
      // the shared colours at 8178, upper screens at 8194, their bitmap at 16386.
      {arrangement::nuf, "", [] { return nuf_image(23042); },
       [](file_bytes f, const picture_model& m) { check_nuf(m, [&](size_t o) { return f[o]; }); }},
      // Packed: the mark 0xFD at 2, the escape byte at 3, runs read from the end down.
      {arrangement::nup, "",
       [] {
         const std::vector<uint8_t> image = nuf_image(23042);
         std::vector<uint8_t> file = {image[0], image[1], 0xFD, 0xFF};
         file.insert(file.end(), image.begin() + 2, image.end() - 200);
         append(file, {0, 200, 0xFF});
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         check_nuf(m, [&](size_t o) { return o < 22842 ? f[o + 2] : uint8_t{0}; });
       }},
      // UIFLI, packed from the end down with the escape byte at 2, unpacks without a load
      // address: per frame four screens 1 KiB apart (one per two lines), the UFLI sprites and
      // the bitmap, at 0, 4096, 8192 and again from 16384; the sprites' one colour at 4080.
      {arrangement::uif, "",
       [] {
         std::vector<uint8_t> file = {0, 0, 0xFF};
         const std::vector<uint8_t> image = offset_file(32576);  // no byte 0xFF
         file.insert(file.end(), image.begin(), image.end());
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         const auto u = [&](size_t o) { return f[3 + o]; };
         EXPECT_EQ(m.canvas, (canvas_size{288, 200}));
         EXPECT_EQ(cell(m, 0, 0), hires(u(8192 + 3 * 8), u(3), u(3) >> 4));
         EXPECT_EQ(cell(m, 13, 5, 1),
                   hires(u(24576 + 48 * 8 + 5), u(16384 + 2048 + 48), u(16384 + 2048 + 48) >> 4));
         EXPECT_EQ(m.raster[0].sprites[0].sprites[0],
                   (sprite_row{.data = {u(4096), u(4097), u(4098)},
                               .colour = uint8_t(u(4080) & 15),
                               .shown = true,
                               .x_expanded = true,
                               .behind = true}));
         // Line 45: the second 40 lines' blocks, 12 on; row 2 of sprite 2.
         const sprite_row& late = m.raster[1].sprites[45].sprites[2];
         EXPECT_EQ(late.x, 96);
         EXPECT_EQ(late.data[0], u(20480 + 14 * 64 + 6));
         EXPECT_EQ(late.colour, u(4080) & 15);
         EXPECT_FALSE(m.raster[1].sprites[45].sprites[6].shown);
       }},
      // XFL, packed as UIFLI: eight screens from 0, the bitmap at 8192, its row one line below the
      // canvas line; sprite colours from 8174, rewritten every two lines from line 3 by the
      // writes at 960 (values) and 988 (registers), 28 a screen.
      {arrangement::xfl, "",
       [] {
         std::vector<uint8_t> image = offset_file(16192);
         std::fill_n(&image[988], 28, 0);  // register 0 shows nothing
         std::fill_n(&image[1024 + 988], 28, 0);
         image[988] = 5;  // sprite 2's colour, on line 3
         image[960] = 0x0E;
         image[1024 + 988] = 1;  // multicolour 1, on line 59
         image[1024 + 960] = 0x07;
         std::vector<uint8_t> file = {0, 0, 0xFF};
         file.insert(file.end(), image.begin(), image.end());
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         const auto u = [&](size_t o) { return f[3 + o]; };
         EXPECT_EQ(m.canvas, (canvas_size{192, 167}));
         EXPECT_EQ(cell(m, 0, 0),
                   hires(u(8192 + 16 * 8 + 1), u(7 * 1024 + 16), u(7 * 1024 + 16) >> 4));
         EXPECT_EQ(cell(m, 10, 3), hires(u(8192 + 59 * 8 + 3), u(1024 + 59), u(1024 + 59) >> 4));
         const auto line = [&](int y) { return m.raster[0].sprites[y]; };
         EXPECT_EQ(line(0).sprites[0],
                   (sprite_row{.data = {u(228 * 64), u(228 * 64 + 1), u(228 * 64 + 2)},
                               .colour = uint8_t(u(8176) & 15),
                               .shown = true,
                               .multicolor = true,
                               .behind = true}));
         EXPECT_EQ(line(0).multicolor_1, u(8174) & 15);
         EXPECT_EQ(line(0).multicolor_2, u(8175) & 15);
         EXPECT_EQ(line(18).sprites[7].x, 168);
         EXPECT_EQ(line(18).sprites[7].data[0], u(126 * 64 + 27));
         EXPECT_EQ(line(2).sprites[2].colour, u(8178) & 15);
         EXPECT_EQ(line(3).sprites[2].colour, 14);
         EXPECT_EQ(line(58).multicolor_1, u(8174) & 15);
         EXPECT_EQ(line(59).multicolor_1, 7);
       }},
  };
}

std::vector<format_probes> every_format() {
  std::vector<format_probes> all = screen_and_sheet_formats();
  for (format_probes& probes : sprite_overlay_formats()) all.push_back(std::move(probes));
  for (format_probes& probes : fli_sprite_formats()) all.push_back(std::move(probes));
  return all;
}

TEST(ArrangementProbes, EveryFormatWithAnArrangementIsProbed) {
  const auto probed = every_format();
  for (const format_entry& format : format_table) {
    if (format.arrange == arrangement::none) continue;
    EXPECT_TRUE(std::any_of(probed.begin(), probed.end(), [&](const format_probes& p) {
      return p.kind == format.arrange;
    })) << format.name;
  }
}

void expect_probes(const format_probes& probes, file_bytes file) {
  static file_buffer scratch;
  auto model = std::make_unique<picture_model>();
  for (int set = 0; set < 2; ++set)
    for (int code = 0; code < 256; ++code)
      for (int row = 0; row < 8; ++row)
        model->rom.bytes[set * 2048 + code * 8 + row] = test_glyph_row(set, code, row);
  const result<> arranged = arrange_picture(probes.kind, file, scratch, *model);
  ASSERT_TRUE(arranged) << arranged.error();
  probes.check(file, *model);
}

TEST(ArrangementProbes, FilesWhoseBytesTellTheirOffsets) {
  for (const format_probes& probes : every_format()) {
    const std::vector<uint8_t> file = probes.file();
    SCOPED_TRACE(static_cast<int>(probes.kind));
    expect_probes(probes, file);
  }
}

TEST(ArrangementProbes, RealPictures) {
  const std::filesystem::path folder = VELORA_REAL_PICTURES_DIR;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no real pictures at hand";
  static file_buffer file;
  for (const format_probes& probes : every_format()) {
    if (probes.real_file.empty()) continue;
    const result<uint32_t> read = read_picture_file((folder / probes.real_file).string(), file);
    ASSERT_TRUE(read) << probes.real_file;
    SCOPED_TRACE(probes.real_file);
    expect_probes(probes, std::span(file.bytes).first(*read));
  }
}

}  // namespace
