#include "browser/grid_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/surfaces.h"
#include "surface/canvas.h"
#include "text/fontconfig_lookup.h"
#include "text/text.h"

namespace {

// Fonts stay open between paintings; closing them at the end keeps leak checks quiet.
class font_environment final : public ::testing::Environment {
 public:
  void TearDown() override { close_fonts(); }
};
const auto* const fonts = ::testing::AddGlobalTestEnvironment(new font_environment);

constexpr uint32_t header_pixel = canvas_to_pixel(grid_header_colour);
constexpr uint32_t background_pixel = canvas_to_pixel(grid_background_colour);
constexpr uint32_t bar_pixel = 0xAAAAAA;
constexpr uint32_t line_pixel = 0x444444;
constexpr uint32_t marker_pixel = 0x123456;  // no colour the painter uses

// Pixels that are neither of the two given colours: text, where there is any.
int count_other(const surface& s, int x1, int y1, int x2, int y2, uint32_t a, uint32_t b) {
  int count = 0;
  for (int y = y1; y < y2; ++y) {
    for (int x = x1; x < x2; ++x) count += s.at(x, y) != a && s.at(x, y) != b;
  }
  return count;
}

void set_row(tdir& grid, int row, std::array<std::string, 4> cells) {
  tdir_row(grid, row).cells = std::move(cells);
}

// Header, a directory, a D64 image, two picture files, a drive; row 4 selected.
tdir host_grid() {
  tdir grid;
  tdir_set_row_count(grid, 7);
  set_row(grid, 0, {"File name", "Type", "Size", "GFX format"});
  set_row(grid, 1, {"Sub0", "<DIR>", "", ""});
  set_row(grid, 2, {"X.d64", "<D64>", "", ""});
  set_row(grid, 3, {"Pic.vic", "<File>", "10018", "Advanced Art Studio 160x200"});
  set_row(grid, 4, {"Two.vic", "<File>", "9009", "Hires Art Studio 320x200"});
  set_row(grid, 5, {"Drive / [ext4]", "<Drive>", "", ""});
  set_row(grid, 6, {"Drive /home [home]", "<Drive>", "", ""});
  tdir_select_row(grid, 4);
  return grid;
}

surface painted(const tdir& grid) {
  surface s = create_surface(grid_width, grid_height);
  fill_surface(s, marker_pixel);
  paint_grid(s, grid);
  return s;
}

int row_y(int row) {
  return row * grid_row_height;
}

TEST(GridPainter, HeaderIsSilverWithDarkBoldTextInEveryColumn) {
  const surface s = painted(host_grid());
  EXPECT_EQ(s.at(0, 0), header_pixel);
  EXPECT_EQ(s.at(559, 14), header_pixel);
  EXPECT_EQ(count_other(s, 0, 0, 560, 15, header_pixel, canvas_to_pixel(grid_text_colour)) > 0,
            true);
  int x = 0;
  for (int width : grid_column_widths) {
    EXPECT_GT(count_pixels(s, x, 0, x + width, 15, canvas_to_pixel(grid_text_colour)), 3) << x;
    EXPECT_EQ(count_pixels(s, x, 0, x + 5, 15, header_pixel), 5 * 15) << x;
    x += width;
  }
  save_image_on_failure(s, "header");
}

TEST(GridPainter, RowsAreColouredByTheirKind) {
  const surface s = painted(host_grid());
  const auto row_has = [&](int row, int x1, int x2, uint32_t canvas_colour) {
    return count_pixels(s, x1, row_y(row), x2, row_y(row) + 15, canvas_to_pixel(canvas_colour));
  };
  EXPECT_EQ(s.at(2, row_y(1)), background_pixel);
  EXPECT_GT(row_has(1, 0, 265, grid_dir_text_colour), 5);
  EXPECT_GT(row_has(1, 265, 319, grid_dir_text_colour), 5);
  EXPECT_GT(row_has(2, 0, 265, grid_d64_text_colour), 5);
  EXPECT_GT(row_has(2, 265, 319, grid_d64_text_colour), 5);
  EXPECT_GT(row_has(3, 0, 265, grid_text_colour), 5);
  EXPECT_GT(row_has(3, 319, 371, grid_text_colour), 5);
  EXPECT_GT(row_has(3, 371, 560, grid_format_text_colour), 5);
  EXPECT_EQ(row_has(3, 371, 560, grid_text_colour), 0);
  EXPECT_GT(row_has(5, 0, 265, grid_drive_text_colour), 5);
  EXPECT_GT(row_has(5, 265, 319, grid_drive_text_colour), 5);
  save_image_on_failure(s, "kinds");
}

TEST(GridPainter, TheSelectedRowIsALightBarBetweenTwoDarkLines) {
  const surface s = painted(host_grid());
  const int top = row_y(4), bottom = top + 14;
  EXPECT_EQ(count_pixels(s, 0, top, 560, top + 1, line_pixel), 560);
  EXPECT_EQ(count_pixels(s, 0, bottom, 560, bottom + 1, line_pixel), 560);
  EXPECT_EQ(s.at(0, top + 1), bar_pixel);
  EXPECT_EQ(s.at(559, top + 7), bar_pixel);
  EXPECT_EQ(s.at(264, bottom - 1), bar_pixel);
  EXPECT_EQ(count_pixels(s, 0, 0, 564, 453, line_pixel), 2 * 560);
  EXPECT_EQ(s.at(2, row_y(3) + 14), background_pixel);
  EXPECT_EQ(s.at(2, row_y(5)), background_pixel);
  save_image_on_failure(s, "selected");
}

TEST(GridPainter, BackgroundBelowTheLastRowAndRightOfTheColumns) {
  const surface s = painted(host_grid());
  const int below = row_y(7);
  EXPECT_EQ(count_pixels(s, 0, below, 564, 453, background_pixel), 564 * (453 - below));
  EXPECT_EQ(count_pixels(s, 560, 0, 564, below, background_pixel), 4 * below);
  EXPECT_EQ(count_pixels(s, 0, 0, 564, 453, marker_pixel), 0);
  save_image_on_failure(s, "background");
}

TEST(GridPainter, DiskImageEntriesUseTheDirectoryFontFourPixelsLower) {
  tdir grid;
  tdir_set_row_count(grid, 3);
  set_row(grid, 0, {"File name", "Type", "Size", "GFX format"});
  set_row(grid, 1, {"..", "<WIN>", "", ""});
  set_row(grid, 2, {"PIC             ", "PRG", "10018", "Advanced Art Studio 160x200"});
  tdir_select_row(grid, 1);
  const surface s = painted(grid);
  const int y = row_y(2);
  EXPECT_EQ(count_pixels(s, 0, y, 265, y + 4, background_pixel), 265 * 4);
  EXPECT_GT(count_other(s, 0, y + 4, 265, y + 15, background_pixel, background_pixel), 5);
  EXPECT_GT(count_other(s, 265, y, 319, y + 4, background_pixel, background_pixel), 0);
  save_image_on_failure(s, "entries");
}

TEST(GridPainter, TextStaysInsideItsCellWhateverItsBytes) {
  tdir grid;
  tdir_set_row_count(grid, 3);
  set_row(grid, 1, {std::string(200, 'W'), "<File>", "", ""});
  set_row(grid, 2, {"\xFF\xFE\x80\xC3(" + std::string(150, '\xE9'), "<DIR>", "", ""});
  tdir_select_row(grid, 2);
  const surface s = painted(grid);
  for (int row : {1, 2}) {
    const uint32_t base = row == 2 ? bar_pixel : background_pixel;
    EXPECT_EQ(count_other(s, 265, row_y(row) + 1, 270, row_y(row) + 14, base, base), 0) << row;
  }
  EXPECT_GT(count_other(s, 5, row_y(2) + 1, 264, row_y(2) + 14, bar_pixel, bar_pixel), 50);
  save_image_on_failure(s, "clipped");
}

// A host name in another script is drawn from a font that holds its characters, not as the
// caption face's empty boxes.
TEST(GridPainter, NamesInOtherScriptsAreDrawnNotBoxed) {
  const auto name_cell = [](const std::string& character) {
    tdir grid;
    tdir_set_row_count(grid, 3);
    set_row(grid, 1, {character + character + character + ".dd", "<File>", "33602", ""});
    tdir_select_row(grid, 2);
    const surface s = painted(grid);
    std::vector<uint32_t> pixels;
    for (int y = row_y(1); y < row_y(2); ++y)
      for (int x = 0; x < 265; ++x) pixels.push_back(s.at(x, y));
    return pixels;
  };
  const std::vector<uint32_t> boxed = name_cell("\xF4\x8F\xBF\xBD");  // U+10FFFD: in no font
  const std::pair<uint32_t, std::string> characters[] = {
      {0x65E5, "日"}, {0x30CF, "ハ"}, {0xD55C, "한"}};
  for (const auto& [code_point, character] : characters) {
    if (fontconfig_file_with("Arial", false, code_point).empty())
      GTEST_SKIP() << "no font on this machine holds U+" << std::hex << code_point;
    const std::vector<uint32_t> drawn = name_cell(character);
    EXPECT_NE(drawn, boxed) << character;
    EXPECT_GT(
        std::count_if(drawn.begin(), drawn.end(), [](uint32_t p) { return p != background_pixel; }),
        60)
        << character;
  }
}

TEST(GridPainter, OnlyTheRowsInViewArePainted) {
  tdir grid;
  tdir_set_row_count(grid, 200);
  for (int row = 1; row < 200; ++row) set_row(grid, row, {"Name", "<File>", "1", ""});
  set_row(grid, 49, {"Above", "<DIR>", "", ""});
  set_row(grid, 50, {"First", "<DIR>", "", ""});
  tdir_set_top_row(grid, 50);
  tdir_select_row(grid, 60);
  const surface s = painted(grid);
  const uint32_t white = canvas_to_pixel(grid_dir_text_colour);
  EXPECT_GT(count_pixels(s, 0, 15, 265, 30, white), 5);
  EXPECT_EQ(count_pixels(s, 0, 30, 564, 450, white), 0);
  EXPECT_EQ(count_pixels(s, 0, row_y(11), 560, row_y(11) + 1, line_pixel), 560);
  save_image_on_failure(s, "view");
}

TEST(GridPainter, TdirDrawCellPaintsOnlyItsRectangle) {
  const tdir grid = host_grid();
  surface s = create_surface(grid_width, grid_height);
  fill_surface(s, marker_pixel);
  tdirDrawCell(s, grid, 1, 4, rect{265, 60, 319, 75});
  EXPECT_EQ(count_pixels(s, 0, 0, 564, 453, marker_pixel), 564 * 453 - 54 * 15);
  EXPECT_EQ(count_pixels(s, 265, 60, 319, 61, line_pixel), 54);
  EXPECT_GT(count_pixels(s, 265, 61, 319, 74, canvas_to_pixel(grid_text_colour)), 3);
}

}  // namespace
