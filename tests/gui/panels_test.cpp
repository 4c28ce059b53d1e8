#include "gui/panels.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gui/furniture_style.h"
#include "surface/canvas.h"
#include "surface_probe.h"
#include "text/text.h"

namespace {

// Rightmost column holding a pixel of that value in the rows, or -1.
int rightmost(const surface& s, int y1, int y2, uint32_t value) {
  for (int x = s.width - 1; x >= 0; --x)
    for (int y = y1; y < y2; ++y)
      if (s.at(x, y) == value) return x;
  return -1;
}

TEST(SliderPanels, InertiaThumbMovesThirteenColumnsPerStep) {
  surface s = marked_screen();
  crt_settings state;
  for (uint8_t index = 0; index <= 10; ++index) {
    state.set_inertia_index(index);
    draw_inertia_panel(s, state);
    const int left = 645 + 13 * index;
    EXPECT_EQ(s.at(left, 105), slider_border) << int(index);
    EXPECT_EQ(s.at(left + 1, 105), slider_fill) << int(index);
    EXPECT_EQ(s.at(left + 8, 108), slider_fill) << int(index);
    EXPECT_EQ(s.at(left + 9, 105), slider_border) << int(index);
    if (index > 0) {
      EXPECT_EQ(s.at(left - 1, 105), background) << int(index);
    }
    if (index < 10) {
      EXPECT_EQ(s.at(left + 10, 105), background) << int(index);
    }
  }
}

TEST(SliderPanels, InertiaTenSitsFlushWithTheTrackBorder) {
  surface s = marked_screen();
  crt_settings state;
  state.set_inertia_index(10);
  draw_inertia_panel(s, state);
  // Columns 775..784: border, eight fill columns, border on the track's own right border.
  EXPECT_EQ(s.at(774, 105), background);
  EXPECT_EQ(s.at(775, 105), slider_border);
  for (int x = 776; x <= 783; ++x) EXPECT_EQ(s.at(x, 104), slider_fill) << x;
  EXPECT_EQ(s.at(784, 105), slider_border);
  EXPECT_EQ(s.at(785, 105), background);
  EXPECT_EQ(s.at(780, 100), slider_border);
  EXPECT_EQ(s.at(780, 109), slider_border);
  EXPECT_EQ(s.at(780, 110), background);
}

TEST(SliderPanels, ScanLineStepIsFourteenPointSixRoundedToNearest) {
  constexpr std::array<int, 10> offsets = {0, 15, 29, 44, 58, 73, 88, 102, 117, 131};
  surface s = marked_screen();
  crt_settings state;
  for (uint8_t index = 0; index <= 9; ++index) {
    state.set_scanline_index(index);
    draw_scanline_panel(s, state);
    const int left = 645 + offsets[index];
    EXPECT_EQ(s.at(left, 155), slider_border) << int(index);
    EXPECT_EQ(s.at(left + 1, 155), slider_fill) << int(index);
    EXPECT_EQ(s.at(left + 9, 155), slider_border) << int(index);
    EXPECT_EQ(s.at(left + 10, 155), background) << int(index);
  }
}

TEST(SliderPanels, ScanLineNineReachesOnePastTheTrack) {
  surface s = marked_screen();
  crt_settings state;
  state.set_scanline_index(9);
  draw_scanline_panel(s, state);
  // Columns 776..785: the thumb's fill covers the track's right border at 784.
  EXPECT_EQ(s.at(775, 155), background);
  EXPECT_EQ(s.at(776, 155), slider_border);
  EXPECT_EQ(s.at(784, 155), slider_fill);
  EXPECT_EQ(s.at(785, 155), slider_border);
  EXPECT_EQ(s.at(786, 155), background);
  EXPECT_EQ(s.at(784, 160), background);
}

TEST(SliderPanels, ClearTheirAreaAndWriteTitleAndLabelsInWhite) {
  surface s = marked_screen();
  crt_settings state;
  draw_inertia_panel(s, state);
  draw_scanline_panel(s, state);
  EXPECT_EQ(count_pixels(s, 637, 80, 790, 180, marker), 0);
  EXPECT_EQ(s.at(636, 80), marker);
  EXPECT_EQ(s.at(790, 179), marker);
  EXPECT_EQ(s.at(637, 180), marker);
  EXPECT_EQ(s.at(637, 79), marker);
  for (int top : {80, 130}) {
    EXPECT_GT(count_pixels(s, 644, top + 4, 790, top + 18, white), 40) << top;   // title
    EXPECT_GT(count_pixels(s, 646, top + 32, 700, top + 46, white), 10) << top;  // "high"
    EXPECT_GT(count_pixels(s, 765, top + 32, 790, top + 46, white), 8) << top;   // "low"
  }
  // "Monitor Inertia Simulation" is the longer title.
  EXPECT_GT(count_pixels(s, 637, 80, 790, 130, white), count_pixels(s, 637, 130, 790, 180, white));
}

TEST(ValuePanels, InterlaceRateShowsItsWordsInBlue) {
  surface s = marked_screen();
  draw_interlace_panel(s, rate_each_frame);
  EXPECT_EQ(count_pixels(s, 634, 180, 787, 220, marker), 0);
  EXPECT_EQ(s.at(633, 180), marker);
  EXPECT_EQ(s.at(787, 219), marker);
  EXPECT_EQ(s.at(634, 220), marker);
  EXPECT_GT(count_pixels(s, 644, 190, 787, 204, white), 40);
  EXPECT_EQ(count_pixels(s, 634, 180, 787, 204, value_blue), 0);
  const int each_frame_end = rightmost(s, 205, 220, value_blue);
  EXPECT_GT(each_frame_end, 680);

  draw_interlace_panel(s, rate_every_second_frame);
  const int every_second_end = rightmost(s, 205, 220, value_blue);
  EXPECT_GT(every_second_end, each_frame_end + 40);
}

TEST(ValuePanels, DisplayModeShowsItsWordsInBlue) {
  surface s = marked_screen();
  crt_settings state;
  state.display_mode = display_interlaced;
  draw_display_mode_panel(s, state);
  EXPECT_EQ(count_pixels(s, 634, 225, 787, 260, marker), 0);
  EXPECT_EQ(s.at(634, 224), marker);
  EXPECT_EQ(s.at(634, 260), marker);
  EXPECT_GT(count_pixels(s, 644, 225, 787, 239, white), 30);
  const int interlaced_end = rightmost(s, 240, 255, value_blue);
  EXPECT_GT(interlaced_end, 680);

  state.display_mode = display_static;
  draw_display_mode_panel(s, state);
  const int static_end = rightmost(s, 240, 255, value_blue);
  EXPECT_GT(static_end, 644);
  EXPECT_LT(static_end, interlaced_end - 10);
}

TEST(StatusLine, ClearsItsAreaForAnEmptyDirectory) {
  surface s = marked_screen();
  draw_status_line(s, "");
  EXPECT_EQ(count_pixels(s, 30, 560, 600, 575, background), 570 * 15);
  EXPECT_EQ(s.at(29, 560), marker);
  EXPECT_EQ(s.at(600, 560), marker);
  EXPECT_EQ(s.at(30, 559), marker);
  EXPECT_EQ(s.at(30, 575), marker);
}

TEST(StatusLine, ShowsTheDirectoryUpperCasedAsciiOnly) {
  surface shown = marked_screen();
  draw_status_line(shown, "/home/ann/c64 pics/\xC3\xA9t\xC3\xA9");

  surface expected = marked_screen();
  clear_area(expected, 30, 560, 600, 575);
  use_furniture_font(expected, text_colour);
  draw_text(expected, 30, 560, "/HOME/ANN/C64 PICS/\xC3\xA9T\xC3\xA9");
  EXPECT_GT(count_pixels(shown, 30, 560, 600, 575, white), 100);
  EXPECT_TRUE(shown.pixels == expected.pixels);
  save_image_on_failure(shown, "status_line");
}

TEST(StatusLine, LongDirectoryShowsItsEndInsideThePanel) {
  surface s = marked_screen();
  draw_status_line(s, "/" + std::string(120, 'w') + "/end");
  // Nothing beyond the panel, which the text fills to its right end.
  EXPECT_EQ(count_pixels(s, 0, 540, 800, 600, marker), 800 * 60 - 570 * 15);
  EXPECT_GT(count_pixels(s, 570, 560, 600, 575, white), 20);
  surface expected = marked_screen();
  clear_area(expected, 30, 560, 600, 575);
  use_furniture_font(expected, text_colour);
  const std::string tail = "/END";
  std::string shown = "..." + std::string(120, 'W') + tail;
  while (text_width(expected, shown) > 570) shown.erase(3, 1);
  draw_text(expected, 30, 560, shown);
  EXPECT_TRUE(s.pixels == expected.pixels);
}

}  // namespace
