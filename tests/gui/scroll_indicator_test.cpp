#include "gui/scroll_indicator.h"

#include <gtest/gtest.h>

#include "surface_probe.h"

namespace {

constexpr int visible = 29;  // whole list rows in the grid's window

void expect_thumb(const surface& s, int top, int bottom) {
  EXPECT_EQ(s.at(597, top), scroll_border) << top;
  EXPECT_EQ(s.at(597, bottom - 1), scroll_border) << bottom;
  if (bottom - top > 2) {
    EXPECT_EQ(s.at(597, top + 1), scroll_fill) << top;
    EXPECT_EQ(s.at(597, bottom - 2), scroll_fill) << bottom;
  }
  if (top > 88) {
    EXPECT_EQ(s.at(597, top - 1), background) << top;
  }
  if (bottom < 521) {
    EXPECT_EQ(s.at(597, bottom), background) << bottom;
  }
}

TEST(ScrollThumb, ListThatFitsFillsTheTrack) {
  for (int rows : {3, 10, 29, 30}) {
    const scroll_thumb_rows t = scroll_thumb_position(rows - 1, rows, rows - 1);
    EXPECT_EQ(t.top, 87) << rows;
    EXPECT_EQ(t.bottom, 522) << rows;
  }
  // A window with room for more rows than the list has is held to the list.
  const scroll_thumb_rows roomy = scroll_thumb_position(visible, 12, 11);
  EXPECT_EQ(roomy.top, 87);
  EXPECT_EQ(roomy.bottom, 522);
}

TEST(ScrollThumb, FewerThanThreeRowsFillTheTrack) {
  for (int rows : {0, 1, 2}) {
    for (int row : {0, 1}) {
      const scroll_thumb_rows t = scroll_thumb_position(visible, rows, row);
      EXPECT_EQ(t.top, 87) << rows;
      EXPECT_EQ(t.bottom, 522) << rows;
    }
  }
}

TEST(ScrollThumb, FirstEntryPutsTheTopAtRow87) {
  const scroll_thumb_rows t = scroll_thumb_position(visible, 100, 1);
  // 29 x 443 / 99 = 129.77, truncated: a thumb of 129 - 8 rows.
  EXPECT_EQ(t.top, 87);
  EXPECT_EQ(t.bottom, 87 + 121);
}

TEST(ScrollThumb, LastRowEndsAt521Or520WhereTheProductFallsShort) {
  // 100 rows: (443 - 129) / 98 x 98 comes out whole.
  const scroll_thumb_rows whole = scroll_thumb_position(visible, 100, 99);
  EXPECT_EQ(whole.bottom - 1, 521);
  // 31 rows: thumb 428, (15 / 29) x 29 falls just short of 15 and truncates to 14.
  const scroll_thumb_rows short_of = scroll_thumb_position(visible, 31, 30);
  EXPECT_EQ(short_of.top, 87 + 14);
  EXPECT_EQ(short_of.bottom - 1, 520);
}

TEST(ScrollThumb, MiddleRowFollowsTheFormula) {
  // 1000 rows: thumb trunc(12847 / 999) = 12; step 431 / 998; row 500 gives trunc(215.07) = 215.
  const scroll_thumb_rows t = scroll_thumb_position(visible, 1000, 500);
  EXPECT_EQ(t.top, 87 + 215);
  EXPECT_EQ(t.bottom, 79 + 215 + 12);
}

TEST(ScrollThumb, ThumbShorterThanItsBorderIsOneRowHigh) {
  // 2000 rows: thumb trunc(12847 / 1999) = 6, shorter than the 8 border rows.
  const scroll_thumb_rows first = scroll_thumb_position(visible, 2000, 1);
  EXPECT_EQ(first.top, 87);
  EXPECT_EQ(first.bottom, 88);
  const scroll_thumb_rows middle = scroll_thumb_position(visible, 2000, 1000);
  // (443 - 6) / 1998 x 999 = 218.5, truncated.
  EXPECT_EQ(middle.top, 87 + 218);
  EXPECT_EQ(middle.bottom, 87 + 219);
}

TEST(ScrollThumb, VeryLongListsKeepTheThumbOnTheTrack) {
  for (int rows : {1614, 20000, 1000000, 2147483647}) {
    for (int row : {1, rows / 2, rows - 1}) {
      const scroll_thumb_rows t = scroll_thumb_position(visible, rows, row);
      EXPECT_GE(t.top, 87) << rows << " " << row;
      EXPECT_LE(t.bottom, 522) << rows << " " << row;
      EXPECT_EQ(t.bottom - t.top, 1) << rows << " " << row;
    }
  }
  EXPECT_EQ(scroll_thumb_position(visible, 1000000, 999999).top, 521);
}

TEST(ScrollThumb, SelectionOutsideTheListIsHeldToIt) {
  EXPECT_EQ(scroll_thumb_position(visible, 100, 0).top, 87);
  EXPECT_EQ(scroll_thumb_position(visible, 100, -5).top, 87);
  EXPECT_EQ(scroll_thumb_position(visible, 100, 500).bottom, 522);
  EXPECT_EQ(scroll_thumb_position(-3, 100, 1).bottom, 88);
}

TEST(ScrollIndicator, DrawsTrackAndThumb) {
  surface s = marked_screen();
  draw_scroll_indicator(s, visible, 100, 50, true);
  const scroll_thumb_rows t = scroll_thumb_position(visible, 100, 50);
  expect_thumb(s, t.top, t.bottom);
  // Track border in columns 592 and 602, rows 87 and 521; the area around is untouched.
  EXPECT_EQ(s.at(592, 90), scroll_border);
  EXPECT_EQ(s.at(602, 90), scroll_border);
  EXPECT_EQ(s.at(597, 87), scroll_border);
  EXPECT_EQ(s.at(597, 521), scroll_border);
  EXPECT_EQ(s.at(597, 90), background);
  EXPECT_EQ(s.at(591, 90), marker);
  EXPECT_EQ(s.at(603, 90), marker);
  EXPECT_EQ(s.at(597, 86), marker);
  EXPECT_EQ(s.at(597, 522), marker);
}

TEST(ScrollIndicator, FittingListShowsAFullThumb) {
  surface s = marked_screen();
  draw_scroll_indicator(s, 5, 6, 3, true);
  EXPECT_EQ(count_pixels(s, 593, 88, 602, 521, scroll_fill), 9 * 433);
  EXPECT_EQ(count_pixels(s, 592, 87, 603, 522, background), 0);
}

TEST(ScrollIndicator, LastRowsThumbBottomOnScreen) {
  surface s = marked_screen();
  draw_scroll_indicator(s, visible, 31, 30, true);
  EXPECT_EQ(s.at(597, 520), scroll_border);  // the thumb's bottom border
  EXPECT_EQ(s.at(597, 519), scroll_fill);
  surface w = marked_screen();
  draw_scroll_indicator(w, visible, 100, 99, true);
  EXPECT_EQ(w.at(597, 520), scroll_fill);
  EXPECT_EQ(w.at(597, 521), scroll_border);
}

TEST(ScrollIndicator, HiddenGridClearsTheTrack) {
  surface s = marked_screen();
  draw_scroll_indicator(s, visible, 100, 50, true);
  draw_scroll_indicator(s, visible, 100, 50, false);
  EXPECT_EQ(count_pixels(s, 592, 87, 603, 522, background), 11 * 435);
  EXPECT_EQ(s.at(591, 87), marker);
  EXPECT_EQ(s.at(603, 521), marker);
  EXPECT_EQ(s.at(592, 522), marker);
}

TEST(ScrollIndicator, OneRowThumbOfAVeryLongList) {
  surface s = marked_screen();
  draw_scroll_indicator(s, visible, 5000, 2500, true);
  const scroll_thumb_rows t = scroll_thumb_position(visible, 5000, 2500);
  ASSERT_EQ(t.bottom - t.top, 1);
  EXPECT_EQ(s.at(597, t.top), scroll_border);
  EXPECT_EQ(s.at(597, t.top - 1), background);
  EXPECT_EQ(s.at(597, t.top + 1), background);
  EXPECT_EQ(count_pixels(s, 593, 88, 602, 521, scroll_fill), 0);
}

}  // namespace
