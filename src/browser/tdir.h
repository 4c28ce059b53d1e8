#pragma once
// The browser grid: rows of four texts with the host name each row stands for, the selected
// row, the top row of the view, and the grid's own keyboard and mouse navigation.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int grid_width = 564;
inline constexpr int grid_height = 453;
inline constexpr int grid_left = 21;  // where the grid lies on the 800x600 screen
inline constexpr int grid_top = 72;
inline constexpr int grid_row_height = 15;
inline constexpr std::array<int, 4> grid_column_widths = {265, 54, 52, 189};
// Rows shown whole: the header and 29 list rows; 3 pixel lines of the next row show too.
inline constexpr int grid_full_rows = grid_height / grid_row_height;

struct grid_row {
  std::array<std::string, 4> cells;
  std::string host_name;  // the real name (or drive path) that opening the row uses
  uint8_t format_id = 0;  // the picture format of a file row, as its format column names it
  uint32_t entry = 0;     // a container listing's row: the entry it stands for
  std::string c64_name;   // a PC64 file's own C64 name, shown after its host name
};

// Row 0 is the fixed header. Rows at and beyond row_count keep no meaning.
struct tdir {
  std::vector<grid_row> rows = std::vector<grid_row>(2);
  int row_count = 2;
  int selected_row = 1;
  int top_row = 1;
  bool visible = true;
};

// Sets the number of rows (at least 1); new rows start empty; selection and view are clamped.
void tdir_set_row_count(tdir& grid, int count);

// The row; the caller keeps row below row_count.
grid_row& tdir_row(tdir& grid, int row);
const grid_row& tdir_row(const tdir& grid, int row);

// Whether row is a list row that exists (1 .. row_count - 1).
bool tdir_has_row(const tdir& grid, int row);

// The text of the cell, empty for a row that does not exist.
const std::string& tdir_cell(const tdir& grid, int col, int row);

// Selects the row, clamped to the list rows, and scrolls it into view.
void tdir_select_row(tdir& grid, int row);

// Sets the top row of the view, clamped to 1 .. the highest top row that still fills the view.
void tdir_set_top_row(tdir& grid, int row);

// The last list row shown whole in the view.
int tdir_last_full_visible_row(const tdir& grid);

// The grid's own reaction to a key (virtual-key code) with or without Ctrl.
void tdir_navigate(tdir& grid, int key, bool ctrl);

// The mouse wheel: +1 (up) selects the row above, -1 (down) the row below.
void tdir_wheel(tdir& grid, int wheel);

// A left click at grid-local coordinates selects the list row under it; false when it hit none.
bool tdir_click(tdir& grid, int x, int y);
