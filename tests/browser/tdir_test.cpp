#include "browser/tdir.h"

#include <gtest/gtest.h>

#include "display/input.h"

namespace {

tdir grid_of(int rows) {
  tdir grid;
  tdir_set_row_count(grid, rows);
  return grid;
}

void press(tdir& grid, int key, bool ctrl = false, int times = 1) {
  for (int i = 0; i < times; ++i) tdir_navigate(grid, key, ctrl);
}

TEST(TdirGeometry, ThirtyRowsShowWhole) {
  EXPECT_EQ(grid_full_rows, 30);
  tdir grid = grid_of(100);
  EXPECT_EQ(tdir_last_full_visible_row(grid), 29);
}

TEST(TdirNavigation, UpDownLeftRightMoveOneRowWithinTheList) {
  tdir grid = grid_of(5);
  press(grid, vk::up);
  EXPECT_EQ(grid.selected_row, 1);
  press(grid, vk::down);
  EXPECT_EQ(grid.selected_row, 2);
  press(grid, vk::right);
  EXPECT_EQ(grid.selected_row, 3);
  press(grid, vk::left);
  EXPECT_EQ(grid.selected_row, 2);
  press(grid, vk::down, false, 10);
  EXPECT_EQ(grid.selected_row, 4);
}

TEST(TdirNavigation, MovingBelowTheViewScrollsTheSelectionIn) {
  tdir grid = grid_of(100);
  press(grid, vk::down, false, 29);
  EXPECT_EQ(grid.selected_row, 30);
  EXPECT_EQ(grid.top_row, 2);
  press(grid, vk::up, false, 29);
  EXPECT_EQ(grid.selected_row, 1);
  EXPECT_EQ(grid.top_row, 1);
}

TEST(TdirNavigation, PageDownMovesRowAndViewByTwentyEightAndClamps) {
  tdir grid = grid_of(100);  // highest top row: 100 - 29 = 71
  press(grid, vk::page_down);
  EXPECT_EQ(grid.selected_row, 29);
  EXPECT_EQ(grid.top_row, 29);
  press(grid, vk::page_down);
  EXPECT_EQ(grid.selected_row, 57);
  EXPECT_EQ(grid.top_row, 57);
  press(grid, vk::page_down);
  EXPECT_EQ(grid.selected_row, 85);
  EXPECT_EQ(grid.top_row, 71);
  press(grid, vk::page_down);
  EXPECT_EQ(grid.selected_row, 99);
  EXPECT_EQ(grid.top_row, 71);
}

TEST(TdirNavigation, PageUpMovesRowAndViewByTwentyEightAndClamps) {
  tdir grid = grid_of(100);
  press(grid, vk::end);
  EXPECT_EQ(grid.selected_row, 99);
  EXPECT_EQ(grid.top_row, 71);
  press(grid, vk::page_up);
  EXPECT_EQ(grid.selected_row, 71);
  EXPECT_EQ(grid.top_row, 43);
  press(grid, vk::page_up, false, 3);
  EXPECT_EQ(grid.selected_row, 1);
  EXPECT_EQ(grid.top_row, 1);
}

TEST(TdirNavigation, PageKeysInAShortListUseTheRowsShown) {
  tdir grid = grid_of(6);  // rows 1..5, all in view: page height 4
  press(grid, vk::page_down);
  EXPECT_EQ(grid.selected_row, 5);
  EXPECT_EQ(grid.top_row, 1);
  press(grid, vk::page_up);
  EXPECT_EQ(grid.selected_row, 1);
  tdir two = grid_of(2);  // one list row: the page height is at least 1
  press(two, vk::page_down);
  EXPECT_EQ(two.selected_row, 1);
}

TEST(TdirNavigation, CtrlPageKeysSelectTheFirstAndLastRowsInView) {
  tdir grid = grid_of(100);
  tdir_set_top_row(grid, 10);
  tdir_select_row(grid, 20);
  press(grid, vk::page_down, true);
  EXPECT_EQ(grid.selected_row, 38);
  EXPECT_EQ(grid.top_row, 10);
  press(grid, vk::page_up, true);
  EXPECT_EQ(grid.selected_row, 10);
  EXPECT_EQ(grid.top_row, 10);
}

TEST(TdirNavigation, CtrlUpAndDownScrollTheViewAndKeepTheSelection) {
  tdir grid = grid_of(40);  // highest top row 11
  press(grid, vk::down, true, 5);
  EXPECT_EQ(grid.top_row, 6);
  EXPECT_EQ(grid.selected_row, 1);
  press(grid, vk::down, true, 20);
  EXPECT_EQ(grid.top_row, 11);
  press(grid, vk::up, true, 20);
  EXPECT_EQ(grid.top_row, 1);
  EXPECT_EQ(grid.selected_row, 1);
}

TEST(TdirNavigation, HomeAndEndWithAndWithoutCtrl) {
  tdir grid = grid_of(50);
  press(grid, vk::end, true);
  EXPECT_EQ(grid.selected_row, 49);
  EXPECT_EQ(grid.top_row, 21);
  press(grid, vk::home, true);
  EXPECT_EQ(grid.selected_row, 1);
  EXPECT_EQ(grid.top_row, 1);
  press(grid, vk::end);
  press(grid, vk::home);
  EXPECT_EQ(grid.selected_row, 1);
}

TEST(TdirNavigation, CtrlLeftRightAndOtherKeysLeaveTheGridAlone) {
  tdir grid = grid_of(50);
  tdir_select_row(grid, 7);
  for (int key : {vk::left, vk::right}) press(grid, key, true);
  for (int key : {vk::enter, vk::f3, int('R'), vk::escape}) press(grid, key);
  EXPECT_EQ(grid.selected_row, 7);
  EXPECT_EQ(grid.top_row, 1);
}

TEST(TdirMouse, WheelMovesTheSelectionOneRowWithinBounds) {
  tdir grid = grid_of(4);
  tdir_wheel(grid, +1);
  EXPECT_EQ(grid.selected_row, 1);
  tdir_wheel(grid, -1);
  EXPECT_EQ(grid.selected_row, 2);
  tdir_wheel(grid, -1);
  tdir_wheel(grid, -1);
  EXPECT_EQ(grid.selected_row, 3);
  tdir_wheel(grid, +1);
  EXPECT_EQ(grid.selected_row, 2);
}

TEST(TdirMouse, ClickSelectsTheListRowUnderIt) {
  tdir grid = grid_of(100);
  tdir_set_top_row(grid, 10);
  tdir_select_row(grid, 12);
  tdir_click(grid, 5, 5);  // the header
  EXPECT_EQ(grid.selected_row, 12);
  tdir_click(grid, 100, 15);
  EXPECT_EQ(grid.selected_row, 10);
  tdir_click(grid, 559, 44);
  EXPECT_EQ(grid.selected_row, 11);
  tdir_click(grid, 561, 100);  // right of the last column
  EXPECT_EQ(grid.selected_row, 11);
  tdir_click(grid, 10, 451);  // the part-shown row 39 scrolls into view
  EXPECT_EQ(grid.selected_row, 39);
  EXPECT_EQ(grid.top_row, 11);
}

TEST(TdirMouse, ClickBelowTheLastRowDoesNothing) {
  tdir grid = grid_of(4);
  tdir_click(grid, 10, 15 * 5 + 2);
  EXPECT_EQ(grid.selected_row, 1);
}

TEST(TdirRows, CuttingTheRowCountClampsSelectionAndViewAndEmptiesRegrownRows) {
  tdir grid = grid_of(100);
  tdir_row(grid, 50).cells[0] = "stale";
  press(grid, vk::end);
  tdir_set_row_count(grid, 2);
  EXPECT_EQ(grid.selected_row, 1);
  EXPECT_EQ(grid.top_row, 1);
  tdir_set_row_count(grid, 60);
  EXPECT_EQ(tdir_cell(grid, 0, 50), "");
  EXPECT_EQ(tdir_cell(grid, 0, 60), "");  // beyond the rows
  EXPECT_FALSE(tdir_has_row(grid, 0));
  EXPECT_TRUE(tdir_has_row(grid, 59));
  EXPECT_FALSE(tdir_has_row(grid, 60));
}

}  // namespace
