#include "gui/help_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "surface/canvas.h"
#include "surface_probe.h"
#include "text/text.h"

namespace {

TEST(HelpScreen, ClearsTheBrowserAreaAndNothingElse) {
  surface s = marked_screen();
  draw_help_screen(s);
  EXPECT_EQ(count_pixels(s, 25, 75, 603, 522, marker), 0);
  EXPECT_EQ(s.at(25, 75), background);
  EXPECT_EQ(s.at(602, 521), background);
  EXPECT_EQ(s.at(24, 75), marker);
  EXPECT_EQ(s.at(603, 521), marker);
  EXPECT_EQ(s.at(25, 74), marker);
  EXPECT_EQ(s.at(602, 522), marker);
  // Inside the area only the background and text shades remain.
  EXPECT_GT(count_pixels(s, 25, 75, 603, 522, background), 200000);
}

// Every key name (black) ends well before its description (white) starts, the longest ones too.
TEST(HelpScreen, KeyNamesBlackDescriptionsWhiteWithAGapBetween) {
  surface s = marked_screen();
  draw_help_screen(s);
  for (int y : {75, 95, 225, 310}) EXPECT_GT(count_pixels(s, 30, y, 130, y + 14, white), 15) << y;
  for (int y : {110, 125, 140, 155, 170, 185, 200, 240, 255, 270, 285, 325, 340, 355, 370}) {
    int key_end = 0, description_start = 603;
    for (int x = 30; x < 603; ++x) {
      if (count_pixels(s, x, y, x + 1, y + 14, black) > 0) key_end = x;
      if (count_pixels(s, x, y, x + 1, y + 14, white) > 0)
        description_start = std::min(description_start, x);
    }
    EXPECT_GT(key_end, 30) << y;
    EXPECT_GE(description_start - key_end, 8) << y;
    EXPECT_GT(count_pixels(s, description_start, y, 603, y + 14, white), 40) << y;
  }
  // The widest description runs far to the right; nothing below the last group.
  EXPECT_GT(count_pixels(s, 300, 200, 600, 214, white), 40);
  EXPECT_EQ(count_pixels(s, 25, 390, 603, 505, background), 578 * 115);
}

TEST(HelpScreen, EnterIsBlackInsideTheWhiteReturnLine) {
  surface s = marked_screen();
  draw_help_screen(s);
  const int key_x = 30 + text_width(s, "Press ");
  const int to_x = 30 + text_width(s, "Press               ");
  EXPECT_GT(count_pixels(s, 30, 510, key_x, 524, white), 15);  // "Press"
  EXPECT_EQ(count_pixels(s, 30, 510, key_x, 524, black), 0);
  EXPECT_GT(count_pixels(s, key_x, 510, key_x + 30, 524, black), 30);  // "ENTER"
  EXPECT_EQ(count_pixels(s, key_x, 510, to_x, 524, white), 0);
  // "to back..." is whole: as many white pixels as the line drawn alone gives there.
  surface alone = marked_screen();
  alone.canvas = s.canvas;
  alone.canvas.font.colour = 0xFFFFFF;
  alone.canvas.brush_colour = 0x8B8B9B;
  draw_text(alone, 30, 510, "Press               to back...");
  EXPECT_EQ(count_pixels(s, to_x, 510, 300, 524, white),
            count_pixels(alone, to_x, 510, 300, 524, white));
}

}  // namespace
