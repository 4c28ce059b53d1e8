#include "gui/help_screen.h"

#include <gtest/gtest.h>

#include "surface_probe.h"

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

TEST(HelpScreen, HeadingsAndDescriptionsAreWhiteKeyNamesBlack) {
  surface s = marked_screen();
  draw_help_screen(s);
  for (int y : {75, 95, 225}) EXPECT_GT(count_pixels(s, 30, y, 130, y + 14, white), 15) << y;
  for (int y : {110, 125, 140, 155, 170, 185, 200, 240, 255, 270, 285}) {
    EXPECT_GT(count_pixels(s, 30, y, 99, y + 14, black), 2) << y;
    EXPECT_EQ(count_pixels(s, 30, y, 99, y + 14, white), 0) << y;
    EXPECT_GT(count_pixels(s, 100, y, 600, y + 14, white), 40) << y;
    EXPECT_EQ(count_pixels(s, 100, y, 600, y + 14, black), 0) << y;
  }
  // The widest description runs far to the right.
  EXPECT_GT(count_pixels(s, 300, 200, 600, 214, white), 40);
  // No text between the key groups.
  EXPECT_EQ(count_pixels(s, 25, 300, 603, 505, background), 578 * 205);
}

TEST(HelpScreen, EnterIsBlackInsideTheWhiteReturnLine) {
  surface s = marked_screen();
  draw_help_screen(s);
  EXPECT_GT(count_pixels(s, 30, 510, 66, 524, white), 15);  // "Press"
  EXPECT_EQ(count_pixels(s, 30, 510, 66, 524, black), 0);
  EXPECT_GT(count_pixels(s, 70, 510, 100, 524, black), 30);  // "ENTER"
  EXPECT_EQ(count_pixels(s, 70, 510, 100, 524, white), 0);
  EXPECT_GT(count_pixels(s, 110, 510, 200, 524, white), 15);  // "to back..."
}

}  // namespace
