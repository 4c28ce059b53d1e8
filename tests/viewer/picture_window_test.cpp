#include "viewer/picture_window.h"

#include <gtest/gtest.h>

#include "display/input.h"
#include "render/work_surfaces.h"

namespace {

std::string position_of(const picture_window& window) {
  std::array<char, 64> text;
  return std::string(window_position(window, text));
}

TEST(PictureWindow, APictureOfOneScreenOrLessDoesNotScrollAndTakesNoKeys) {
  for (const canvas_size canvas : {canvas_size{}, canvas_size{96, 168}, canvas_size{320, 56}}) {
    picture_window window = window_over(canvas);
    EXPECT_FALSE(window.scrolls());
    for (const int key : {vk::up, vk::down, vk::left, vk::right, vk::home, vk::end})
      EXPECT_FALSE(move_window(window, key));
    EXPECT_FALSE(wheel_window(window, -1));
    EXPECT_EQ(position_of(window), "");
  }
}

TEST(PictureWindow, CursorKeysMoveALineOrAColumnWithinThePicture) {
  picture_window window = window_over({640, 400});
  EXPECT_EQ(position_of(window), "lines 1\u2013200 of 400, columns 1\u2013320 of 640");
  EXPECT_TRUE(move_window(window, vk::up));
  EXPECT_TRUE(move_window(window, vk::left));
  EXPECT_EQ(window.first_line, 0);
  EXPECT_EQ(window.first_column, 0);
  move_window(window, vk::down);
  move_window(window, vk::right);
  move_window(window, vk::right);
  EXPECT_EQ(window.first_line, 1);
  EXPECT_EQ(window.first_column, 2);
  EXPECT_EQ(position_of(window), "lines 2\u2013201 of 400, columns 3\u2013322 of 640");
  EXPECT_FALSE(move_window(window, vk::page_down));
}

TEST(PictureWindow, HomeAndEndJumpToTheEnds) {
  picture_window window = window_over({296, 400});
  EXPECT_TRUE(window.scrolls());
  move_window(window, vk::end);
  EXPECT_EQ(window.first_line, 200);
  EXPECT_EQ(window.first_column, 0);
  EXPECT_EQ(position_of(window), "lines 201\u2013400 of 400");
  move_window(window, vk::down);
  EXPECT_EQ(window.first_line, 200);
  move_window(window, vk::home);
  EXPECT_EQ(window.first_line, 0);
}

TEST(PictureWindow, TheWheelMovesLinesOrTheColumnsOfAWidePicture) {
  picture_window tall = window_over({320, 400});
  wheel_window(tall, -3);
  EXPECT_EQ(tall.first_line, 3);
  wheel_window(tall, 1);
  EXPECT_EQ(tall.first_line, 2);
  picture_window wide = window_over({640, 200});
  wheel_window(wide, -5);
  EXPECT_EQ(wide.first_column, 5);
  EXPECT_EQ(wide.first_line, 0);
  EXPECT_EQ(position_of(wide), "columns 6\u2013325 of 640");
}

TEST(PictureWindow, AreasAreTheWindowsPartOfThePictureAndTheCaption) {
  picture_window window = window_over({296, 400});
  window.first_line = 10;
  const window_areas areas = areas_of(window);
  EXPECT_EQ(areas.picture.x1, 0);
  EXPECT_EQ(areas.picture.y1, 20);
  EXPECT_EQ(areas.picture.x2, 592);
  EXPECT_EQ(areas.picture.y2, 420);
  EXPECT_EQ(areas.caption.y1 + 95, caption_top_for(window.canvas));
  EXPECT_EQ(areas.caption.y2 - areas.caption.y1, 149);
}

}  // namespace
