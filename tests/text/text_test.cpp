#include "text/text.h"

#include <gtest/gtest.h>

#include "surface/canvas.h"

namespace {

surface caption_surface() {
  surface s = create_surface(120, 40);
  fill_surface(s, 0x00203040);
  s.canvas.brush = brush_style::clear;
  s.canvas.font = {"Arial", 12, false, 0x00FFFFFF};
  return s;
}

// Glyphs are rendered on first use: one first measured draws as one first drawn.
TEST(DrawText, ACharacterMeasuredBeforeItIsDrawnDrawsAsIfDrawnFirst) {
  close_fonts();
  surface drawn_first = caption_surface();
  if (text_height(drawn_first) == 0) GTEST_SKIP() << "no face for Arial on this machine";
  draw_text(drawn_first, 10, 10, "\xC3\xA9@");
  close_fonts();
  surface measured_first = caption_surface();
  EXPECT_GT(text_width(measured_first, "\xC3\xA9@"), 0);
  draw_text(measured_first, 10, 10, "\xC3\xA9@");
  EXPECT_EQ(drawn_first.pixels, measured_first.pixels);
  EXPECT_NE(drawn_first.pixels, caption_surface().pixels);
}

TEST(TextWidth, KerningNarrowsAPair) {
  surface s = caption_surface();
  if (text_height(s) == 0) GTEST_SKIP() << "no face for Arial on this machine";
  EXPECT_LT(text_width(s, "AV"), text_width(s, "A") + text_width(s, "V"));
}

// A soft hyphen is not shown and does not keep its neighbours from kerning.
TEST(TextWidth, ASoftHyphenTakesNoRoomInALine) {
  surface s = caption_surface();
  if (text_height(s) == 0) GTEST_SKIP() << "no face for Arial on this machine";
  EXPECT_EQ(text_width(s, "A\xC2\xADV"), text_width(s, "AV"));
  EXPECT_EQ(text_width(s,
                       "A\xAD"
                       "V"),
            text_width(s, "AV"));  // the Latin-1 byte alike
}

// 12 pt at 96 DPI is 16 pixels to the em, whether the face has these spaces or not.
TEST(TextWidth, EmAndEnSpacesAreAnEmAndHalfAnEmWide) {
  surface s = caption_surface();
  if (text_height(s) == 0) GTEST_SKIP() << "no face for Arial on this machine";
  EXPECT_EQ(text_width(s, "\xE2\x80\x83"), 16);
  EXPECT_EQ(text_width(s, "\xE2\x80\x82"), 8);
  EXPECT_EQ(text_width(s, "\xE2\x80\x81"), 16);  // em quad, the same as an em space
}

}  // namespace
