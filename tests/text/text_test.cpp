#include "text/text.h"

#include <gtest/gtest.h>

#include "surface/canvas.h"
#include "text/font_face.h"
#include "text/fontconfig_lookup.h"
#include "text/recorded_fonts.h"

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

// The build's record stands for fontconfig's answer: a record that went stale (fonts installed
// or removed since the build) would draw captions in another face than fontconfig names.
TEST(RecordedFonts, AreTheFilesFontconfigMatchesAndHoldTheFaceRecorded) {
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  for (const recorded_font& recorded : recorded_fonts()) {
    const std::string face(recorded.face);
    if (recorded.file.empty()) {
      EXPECT_EQ(fontconfig_file(face, recorded.bold), "") << face;
      continue;
    }
    EXPECT_EQ(fontconfig_file(face, recorded.bold), recorded.file) << face;
    const std::unique_ptr<font_file> file = open_font_file(library, std::string(recorded.file));
    ASSERT_TRUE(file) << recorded.file;
    EXPECT_TRUE(holds_face(*file, recorded.family, recorded.style));
    EXPECT_FALSE(holds_face(*file, recorded.family, "Oblique"));
  }
  FT_Done_FreeType(library);
}

// A character the caption's face lacks is drawn from a font that has it, on the same baseline,
// rather than as the face's empty box; the face's own characters are drawn by the face.
TEST(DrawText, ACharacterTheFaceLacksComesFromAFontThatHasIt) {
  const uint32_t sun = 0x65E5;  // CJK ideograph
  if (fontconfig_file_with("Arial", false, sun).empty())
    GTEST_SKIP() << "no font on this machine has U+65E5";
  close_fonts();
  surface borrowed = caption_surface();
  if (text_height(borrowed) == 0) GTEST_SKIP() << "no face for Arial on this machine";
  draw_text(borrowed, 10, 10, "\xE6\x97\xA5");
  surface box = caption_surface();
  draw_text(box, 10, 10, "\xF4\x8F\xBF\xBD");  // U+10FFFD: no font has it
  EXPECT_NE(borrowed.pixels, box.pixels);
  const uint32_t background = caption_surface().at(0, 0);
  int ink = 0;
  for (int y = 0; y < borrowed.height; ++y)
    for (int x = 0; x < borrowed.width; ++x)
      if (borrowed.at(x, y) != background) {
        ++ink;
        EXPECT_GE(y, 10);
        EXPECT_LT(y, 10 + text_height(borrowed) + 2);  // within the line, not hung below it
      }
  EXPECT_GT(ink, 20);
  EXPECT_GT(text_width(borrowed, "\xE6\x97\xA5"), text_width(borrowed, "A"));
  close_fonts();
}

}  // namespace
