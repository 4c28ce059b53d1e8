#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "bdf_writer.h"
#include "charset_glyphs.h"
#include "support/temp_folder.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

bool pixel_set(const glyph& g, int column, int row) {
  return (g[row] >> (7 - column)) & 1;
}

TEST(DirectoryCharset, HasAGlyphForEveryByteOfAName) {
  const charset set = make_directory_charset();
  for (unsigned code = 0x01; code <= 0xFF; ++code) EXPECT_TRUE(set.present[code]) << code;
  EXPECT_FALSE(set.present[0]);
}

TEST(DirectoryCharset, LettersDigitsAndPunctuationAreAllDistinct) {
  const charset set = make_directory_charset();
  std::set<glyph> seen;
  for (unsigned code = 0x20; code <= 0x5F; ++code)
    EXPECT_TRUE(seen.insert(set.glyphs[code]).second) << code;
  EXPECT_EQ(set.glyphs[' '], glyph{});
  for (unsigned code = 0x21; code <= 0x5F; ++code) EXPECT_NE(set.glyphs[code], glyph{}) << code;
  // Capitals keep their last row free as a gap to the next line.
  for (unsigned code = 'A'; code <= 'Z'; ++code) EXPECT_EQ(set.glyphs[code][7], 0) << code;
}

TEST(DirectoryCharset, UpperHalfRepeatsTheGraphicCharacters) {
  const charset set = make_directory_charset();
  for (unsigned code = 0xC0; code <= 0xDF; ++code)
    EXPECT_EQ(set.glyphs[code], set.glyphs[code - 0x60]) << code;
  for (unsigned code = 0xE0; code <= 0xFE; ++code)
    EXPECT_EQ(set.glyphs[code], set.glyphs[code - 0x40]) << code;
  EXPECT_EQ(set.glyphs[0xFF], set.glyphs[0x7E]);
  EXPECT_NE(set.glyphs[0x61], set.glyphs[0x73]);  // spade and heart
  EXPECT_EQ(set.glyphs[0xA0], glyph{});           // the padding byte of names is blank
  EXPECT_EQ(set.glyphs[0xA6][0], 0xAA);           // checkerboard
}

TEST(DirectoryCharset, ControlBytesShowReversed) {
  const charset set = make_directory_charset();
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(set.glyphs[0x01][row], static_cast<uint8_t>(~set.glyphs['A'][row]));
    EXPECT_EQ(set.glyphs[0x81][row], static_cast<uint8_t>(~set.glyphs[0x61][row]));
  }
}

TEST(DirectoryFontFile, NamesTheFamilyAndLatinOneEncoding) {
  const std::string bdf = bdf_text(make_directory_charset());
  EXPECT_NE(bdf.find("FAMILY_NAME \"cbm-directory-charset/qz!\"\n"), std::string::npos);
  EXPECT_NE(bdf.find("CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"1\"\n"), std::string::npos);
  EXPECT_NE(bdf.find("CHARS 255\n"), std::string::npos);
  EXPECT_NE(bdf.find("STARTCHAR byte41\nENCODING 65\n"), std::string::npos);
  EXPECT_NE(bdf.find("STARTCHAR byteFF\nENCODING 255\n"), std::string::npos);
  EXPECT_EQ(bdf.rfind("ENDFONT\n"), bdf.size() - 8);
}

class DirectoryFontDrawing : public testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(path_, std::ios::binary) << bdf_text(make_directory_charset());
    ASSERT_TRUE(register_font_file(path_));
    s_ = create_surface(64, 32);
    s_.canvas.brush = brush_style::clear;
    s_.canvas.font = {"cbm-directory-charset/qz!", 10, false, 0x00FFFFFF};
  }
  void TearDown() override { unregister_font_file(path_); }

  // Every pixel of the 8x8 cell at (x, y) is white exactly where the glyph has a pixel.
  void expect_glyph_at(int x, int y, const glyph& g) {
    for (int row = 0; row < 8; ++row)
      for (int column = 0; column < 8; ++column)
        EXPECT_EQ(s_.at(x + column, y + row), pixel_set(g, column, row) ? 0xFFFFFFu : 0u)
            << column << "," << row;
  }

  temp_folder dir_;
  std::string path_ = dir_.at("cbm-directory-charset.bdf");
  surface s_;
  const charset set_ = make_directory_charset();
};

TEST_F(DirectoryFontDrawing, TenPointTextDrawsTheEightByEightGlyphs) {
  EXPECT_EQ(text_height(s_), 8);
  EXPECT_EQ(text_width(s_, "AB"), 16);
  draw_text(s_, 4, 10, "A$");
  expect_glyph_at(4, 10, set_.glyphs['A']);
  expect_glyph_at(12, 10, set_.glyphs['$']);
  EXPECT_EQ(s_.at(3, 10), 0u);
}

TEST_F(DirectoryFontDrawing, EveryByteIsItsOwnGlyph) {
  draw_text(s_, 0, 0, "\xC1\xA6\xFF");
  expect_glyph_at(0, 0, set_.glyphs[0x61]);
  expect_glyph_at(8, 0, set_.glyphs[0xA6]);
  expect_glyph_at(16, 0, set_.glyphs[0x7E]);
}

}  // namespace
