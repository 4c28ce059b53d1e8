#include "render/caption.h"

#include <gtest/gtest.h>

#include "surface/surface.h"

namespace {

constexpr uint32_t untouched = 0x102030;

TEST(DrawCaption, BoxCoversColumns5To634OfLines495To539) {
  surface s = create_surface(screen_width, screen_height);
  std::fill(s.pixels.begin(), s.pixels.end(), untouched);
  draw_caption("Picture.vic", "Draz Lace 320x200", s);
  EXPECT_EQ(s.at(5, 495), 0u);  // the black pen outline
  EXPECT_EQ(s.at(634, 539), 0u);
  EXPECT_EQ(s.at(633, 538), 0x333333u);
  EXPECT_EQ(s.at(4, 495), untouched);
  EXPECT_EQ(s.at(635, 495), untouched);
  EXPECT_EQ(s.at(5, 494), untouched);
  EXPECT_EQ(s.at(5, 540), untouched);
}

TEST(DrawCaption, WritesBothLinesInLightGreyOnTheBox) {
  surface s = create_surface(screen_width, screen_height);
  draw_caption("Picture.vic", "Draz Lace 320x200", s);
  int name_pixels = 0, format_pixels = 0;
  for (int y = 500; y < 520; ++y)
    for (int x = 20; x < 200; ++x) name_pixels += s.at(x, y) == 0xCCCCCCu;
  for (int y = 520; y < 539; ++y)
    for (int x = 20; x < 200; ++x) format_pixels += s.at(x, y) == 0xCCCCCCu;
  EXPECT_GT(name_pixels, 20);
  EXPECT_GT(format_pixels, 20);
  EXPECT_EQ(s.at(19, 505), 0x333333u);
  EXPECT_EQ(s.canvas.font.size_pt, 10);
  EXPECT_EQ(s.canvas.pen_colour, 0u);
}

int light_grey_pixels(const surface& s, int x1, int y1, int x2, int y2) {
  int count = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) count += s.at(x, y) == 0xCCCCCCu;
  return count;
}

// Below a taller picture the box moves down with it; a note follows the format name.
TEST(DrawCaption, BoxAtAnyTopWithTheNoteAfterTheFormatName) {
  surface s = create_surface(screen_width, 1000);
  draw_caption("Picture.bfli", "BFLI", s, 895, "(a note)");
  EXPECT_EQ(s.at(5, 895), 0u);
  EXPECT_EQ(s.at(633, 938), 0x333333u);
  EXPECT_EQ(s.at(300, 500), 0u);
  EXPECT_GT(light_grey_pixels(s, 20, 920, 70, 939), 10);
  EXPECT_GT(light_grey_pixels(s, 70, 920, 160, 939), 10);
}

TEST(DrawCaption, PositionReplacesTheRightEndOfTheFormatLine) {
  surface s = create_surface(screen_width, screen_height);
  draw_caption("Picture.bfli", "BFLI", s);
  draw_caption_position(s, 495, "lines 101\u2013300 of 400");
  const int first = light_grey_pixels(s, 380, 517, 630, 537);
  draw_caption_position(s, 495, "lines 1\u2013200 of 400");
  EXPECT_GT(first, 20);
  EXPECT_LT(light_grey_pixels(s, 380, 517, 630, 537), first);
  EXPECT_EQ(light_grey_pixels(s, 380, 517, 470, 537), 0);
  EXPECT_EQ(s.at(634, 539), 0u);
  EXPECT_EQ(s.canvas.pen_colour, 0u);
}

}  // namespace
