// What the arrangements refuse, and the rules of their pictures beyond where bytes land (the
// probes' concern).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "formats/format_table.h"

namespace {

struct arranged {
  std::unique_ptr<picture_model> model = std::make_unique<picture_model>();
  result<> outcome = failure{"not arranged"};
};

arranged arrange(arrangement kind, const std::vector<uint8_t>& file, bool own_glyphs = false) {
  static file_buffer scratch;
  arranged a;
  a.model->rom.own_glyphs = own_glyphs;
  a.outcome = arrange_picture(kind, file, scratch, *a.model);
  return a;
}

std::vector<uint8_t> fluff(uint8_t type, size_t size) {
  std::vector<uint8_t> file(size);
  std::copy_n("FLUFF64", 7, file.begin());
  file[11] = type;
  return file;
}

TEST(Arrangements, PagesLargerThanTheLargestCanvasOrWithoutTheirHeadersEndAreRefused) {
  // 'P', 51 rows of 80 cells: one row too many.
  EXPECT_FALSE(arrange(arrangement::printfox, {'P', 51, 80, 0, 0x9B, 0, 0}).outcome);
  EXPECT_FALSE(arrange(arrangement::printfox, {'P', 1, 1, 'K', 1, 2}).outcome);
  EXPECT_FALSE(arrange(arrangement::printfox, {'X', 0x9B, 0x40, 0x1F, 0}).outcome);
  // Star Painter: the file is its header's size exactly, and at most 80 x 50 cells.
  EXPECT_FALSE(arrange(arrangement::star_painter, {2, 1, 0, 0, 0, 0, 0, 0, 0, 0}).outcome);
  EXPECT_FALSE(arrange(arrangement::star_painter, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}).outcome);
  std::vector<uint8_t> wide(2 + 81 * 8);
  wide[0] = 81;
  wide[1] = 1;
  EXPECT_FALSE(arrange(arrangement::star_painter, wide).outcome);
  EXPECT_TRUE(arrange(arrangement::star_painter, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}).outcome);
  // MWI: one pixel on the cells' grid is one cell, a column off it two; an empty one is none.
  EXPECT_FALSE(arrange(arrangement::mwi, std::vector<uint8_t>(15, 0)).outcome);
  std::vector<uint8_t> mwi = {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(arrange(arrangement::mwi, mwi).outcome);
  mwi[1] = 1;
  EXPECT_FALSE(arrange(arrangement::mwi, mwi).outcome);
  mwi.resize(5 + 2 * 10);
  EXPECT_TRUE(arrange(arrangement::mwi, mwi).outcome);
  // Bytes after the page are not read.
  EXPECT_TRUE(arrange(arrangement::printfox, {'P', 1, 1, 0, 0x9B, 8, 0xFF, 1, 2, 3}).outcome);
}

// A colour above 15 refuses the picture only where a pixel shows it.
TEST(Arrangements, FluffColoursAbove15RefuseAPictureOnlyWhereTheyShow) {
  std::vector<uint8_t> file = fluff(1, 15 + 12000);
  file[15 + 9] = 16;  // pairs 01 of cell 0, which shows none
  EXPECT_TRUE(arrange(arrangement::fluff, file).outcome);
  file[15] = 0x04;  // a pair 01 in cell 0
  EXPECT_FALSE(arrange(arrangement::fluff, file).outcome);
  EXPECT_FALSE(arrange(arrangement::fluff, fluff(1, 15 + 12000 + 1)).outcome);
  EXPECT_FALSE(arrange(arrangement::fluff, fluff(2, 18 + 12000)).outcome);
  std::vector<uint8_t> screen = fluff(7, 45 + 2 * 81 * 1);
  screen[15] = 81;  // columns: one too many for the largest canvas
  screen[16] = 1;
  EXPECT_FALSE(arrange(arrangement::fluff, screen).outcome);
}

TEST(Arrangements, PetsciiScreensSayWhenOurOwnCharactersDrewThem) {
  std::vector<uint8_t> pet(2026);
  EXPECT_TRUE(arrange(arrangement::pet, pet, true).model->drawn_with_own_glyphs);
  EXPECT_FALSE(arrange(arrangement::pet, pet, false).model->drawn_with_own_glyphs);
  pet.push_back(0);
  EXPECT_FALSE(arrange(arrangement::pet, pet).outcome);
}

TEST(Arrangements, FontsNeedTheirLoadAddresses) {
  std::vector<uint8_t> font(100);
  font[0] = 1;
  EXPECT_FALSE(arrange(arrangement::font_64c, font).outcome);
  EXPECT_FALSE(arrange(arrangement::font_64c, std::vector<uint8_t>(2051)).outcome);
  EXPECT_FALSE(arrange(arrangement::seuck_font, std::vector<uint8_t>(514)).outcome);
  EXPECT_FALSE(arrange(arrangement::zs_font, std::vector<uint8_t>(1026)).outcome);
}

// Version 5, no tiles, hires: a map of columns x 1 characters, all character 0.
std::vector<uint8_t> charpad_map(int columns) {
  std::vector<uint8_t> file = {'C',
                               'T',
                               'M',
                               5,
                               0,
                               0,
                               0,
                               1,
                               0,
                               0,
                               0,
                               0,
                               0,
                               0,
                               0,
                               0,
                               static_cast<uint8_t>(columns & 0xFF),
                               static_cast<uint8_t>(columns >> 8),
                               1,
                               0};
  file.insert(file.end(), {0xFF, 0, 0, 0, 0, 0, 0, 0x81, 7});
  file.resize(file.size() + size_t(columns) * 2);
  return file;
}

TEST(Arrangements, CharpadMapsLargerThanTheLargestCanvasShowTheirTopLeft) {
  const arranged fits = arrange(arrangement::charpad, charpad_map(80));
  ASSERT_TRUE(fits.outcome);
  EXPECT_EQ(fits.model->canvas, (canvas_size{640, 8}));
  EXPECT_FALSE(fits.model->cropped);
  const arranged wide = arrange(arrangement::charpad, charpad_map(300));
  ASSERT_TRUE(wide.outcome);
  EXPECT_EQ(wide.model->canvas, (canvas_size{640, 8}));
  EXPECT_TRUE(wide.model->cropped);
  EXPECT_EQ(wide.model->raster[0].cell(0, 79).graphics, 0xFF);
}

TEST(Arrangements, CharpadProjectsThatDoNotAddUpAreRefused) {
  std::vector<uint8_t> file = charpad_map(2);
  file.push_back(0);  // a byte after the map
  EXPECT_FALSE(arrange(arrangement::charpad, file).outcome);
  file = charpad_map(2);
  file[file.size() - 2] = 1;  // character 1 of a set of one
  EXPECT_FALSE(arrange(arrangement::charpad, file).outcome);
  file = charpad_map(2);
  file[3] = 4;  // a version this program does not read
  EXPECT_FALSE(arrange(arrangement::charpad, file).outcome);
  file = charpad_map(2);
  file[8] = 1;  // a colour per tile, without tiles
  EXPECT_FALSE(arrange(arrangement::charpad, file).outcome);
}

// Sprite pointers read from the screens must name blocks inside the file: Mufflon's 340 and
// NUFLI's 360, counted from the upper bank's 124 and 128 below its pointers' zero.
TEST(Arrangements, FliSpritesOutsideTheFileAreRefused) {
  std::vector<uint8_t> muf(21826);
  for (int screen = 0; screen < 8; ++screen)
    std::fill_n(&muf[7938 + screen * 1024 + 1017], 6, 215);  // block 339
  for (int screen = 0; screen < 4; ++screen)
    std::fill_n(&muf[763 + screen * 1024], 6, 132);  // block 0
  EXPECT_TRUE(arrange(arrangement::muf, muf).outcome);
  muf[7938 + 1017] = 216;  // screen 0: lines 14 and 15
  EXPECT_FALSE(arrange(arrangement::muf, muf).outcome);
  muf[7938 + 1017] = 215;
  muf[763 + 3 * 1024 + 5] = 131;
  EXPECT_FALSE(arrange(arrangement::muf, muf).outcome);

  std::vector<uint8_t> nuf(23042);
  for (int screen = 0; screen < 8; ++screen)
    std::fill_n(&nuf[8194 + screen * 1024 + 1016], 8, 231);  // block 359
  for (int screen = 0; screen < 4; ++screen)
    std::fill_n(&nuf[2 + screen * 1024 + 1016], 8, 128);  // block 0
  EXPECT_TRUE(arrange(arrangement::nuf, nuf).outcome);
  nuf[8194 + 1016 + 7] = 232;
  EXPECT_FALSE(arrange(arrangement::nuf, nuf).outcome);
}

// Packed NUFLI files carry 0xFD before their escape byte; a packed file must fill the picture.
TEST(Arrangements, PackedFliSpritePicturesThatDoNotUnpackAreRefused) {
  // 90 runs of 256 bytes 0x80: every sprite pointer names a block inside the file.
  std::vector<uint8_t> nup = {0, 0x20, 0xFD, 0xFF};
  for (int run = 0; run < 90; ++run) nup.insert(nup.end(), {0x80, 0, 0xFF});
  EXPECT_TRUE(arrange(arrangement::nup, nup).outcome);
  nup[2] = 0xFE;
  EXPECT_FALSE(arrange(arrangement::nup, nup).outcome);
  EXPECT_FALSE(arrange(arrangement::nup, {0, 0x20, 0xFD, 0xFF, 1, 2, 3}).outcome);
  EXPECT_FALSE(arrange(arrangement::mup, {0, 0x20, 0xFF, 1, 2, 3, 4}).outcome);
}

TEST(Arrangements, ARefusedFileLeavesTheModelAsItWas) {
  arranged a = arrange(arrangement::bfli, std::vector<uint8_t>(33795, 'b'));
  ASSERT_TRUE(a.outcome);
  const canvas_size before = a.model->canvas;
  const raster_cell first = a.model->raster[0].cell(0, 0);
  static file_buffer scratch;
  EXPECT_FALSE(arrange_picture(arrangement::charpad, charpad_map(0), scratch, *a.model));
  const std::vector<uint8_t> short_page = {'G', 0x9B, 1, 0};
  EXPECT_FALSE(arrange_picture(arrangement::printfox, short_page, scratch, *a.model));
  EXPECT_EQ(a.model->canvas, before);
  EXPECT_EQ(a.model->raster[0].cell(0, 0), first);
}

}  // namespace
