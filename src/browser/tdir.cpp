#include "browser/tdir.h"

#include <algorithm>
#include <numeric>

#include "display/input.h"

namespace {

const std::string empty_text;

constexpr int list_rows_in_view = grid_full_rows - 1;

int last_list_row(const tdir& grid) {
  return std::max(1, grid.row_count - 1);
}

int max_top_row(const tdir& grid) {
  return std::max(1, grid.row_count - list_rows_in_view);
}

// Rows lost when the count shrinks are emptied, so a grown grid shows no stale texts.
void empty_row(grid_row& row) {
  for (std::string& cell : row.cells) cell.clear();
  row.host_name.clear();
  row.format_id = 0;
  row.entry = 0;
  row.c64_name.clear();
}

}  // namespace

void tdir_set_row_count(tdir& grid, int count) {
  count = std::max(count, 1);
  if (static_cast<int>(grid.rows.size()) < count) grid.rows.resize(static_cast<size_t>(count));
  for (int row = grid.row_count; row < count; ++row) empty_row(grid.rows[static_cast<size_t>(row)]);
  grid.row_count = count;
  tdir_set_top_row(grid, grid.top_row);
  if (grid.selected_row > last_list_row(grid)) tdir_select_row(grid, grid.selected_row);
}

grid_row& tdir_row(tdir& grid, int row) {
  return grid.rows[static_cast<size_t>(row)];
}

const grid_row& tdir_row(const tdir& grid, int row) {
  return grid.rows[static_cast<size_t>(row)];
}

bool tdir_has_row(const tdir& grid, int row) {
  return row >= 1 && row < grid.row_count;
}

const std::string& tdir_cell(const tdir& grid, int col, int row) {
  if (row < 0 || row >= grid.row_count || col < 0 || col > 3) return empty_text;
  return grid.rows[static_cast<size_t>(row)].cells[static_cast<size_t>(col)];
}

void tdir_select_row(tdir& grid, int row) {
  grid.selected_row = std::clamp(row, 1, last_list_row(grid));
  if (grid.selected_row < grid.top_row) tdir_set_top_row(grid, grid.selected_row);
  if (grid.selected_row > tdir_last_full_visible_row(grid))
    tdir_set_top_row(grid, grid.selected_row - list_rows_in_view + 1);
}

void tdir_set_top_row(tdir& grid, int row) {
  grid.top_row = std::clamp(row, 1, max_top_row(grid));
}

int tdir_last_full_visible_row(const tdir& grid) {
  return std::min(grid.top_row + list_rows_in_view - 1, last_list_row(grid));
}

void tdir_navigate(tdir& grid, int key, bool ctrl) {
  const int page = std::max(1, tdir_last_full_visible_row(grid) - grid.top_row);
  int row = grid.selected_row;
  int top = grid.top_row;
  // With Ctrl, Up and Down scroll the view, PageUp and PageDown select its first and last
  // whole row, and Left and Right do nothing.
  switch (key) {
    case vk::up:
      (ctrl ? top : row) -= 1;
      break;
    case vk::down:
      (ctrl ? top : row) += 1;
      break;
    case vk::left:
    case vk::right:
      if (ctrl) return;
      row += key == vk::left ? -1 : 1;
      break;
    case vk::page_up:
      if (ctrl) {
        row = grid.top_row;
      } else {
        row -= page;
        top -= page;
      }
      break;
    case vk::page_down:
      if (ctrl) {
        row = tdir_last_full_visible_row(grid);
      } else {
        row += page;
        top += page;
      }
      break;
    case vk::home:
      row = 1;
      break;
    case vk::end:
      row = grid.row_count - 1;
      break;
    default:
      return;
  }
  // The view moves first; only a changed selection is then scrolled into view.
  tdir_set_top_row(grid, top);
  row = std::clamp(row, 1, last_list_row(grid));
  if (row != grid.selected_row) tdir_select_row(grid, row);
}

void tdir_wheel(tdir& grid, int wheel) {
  if (wheel > 0) tdir_select_row(grid, grid.selected_row - 1);
  if (wheel < 0) tdir_select_row(grid, grid.selected_row + 1);
}

bool tdir_click(tdir& grid, int x, int y) {
  const int columns_width =
      std::accumulate(grid_column_widths.begin(), grid_column_widths.end(), 0);
  if (x < 0 || x >= columns_width || y < grid_row_height || y >= grid_height) return false;
  const int row = grid.top_row + (y - grid_row_height) / grid_row_height;
  if (!tdir_has_row(grid, row)) return false;
  tdir_select_row(grid, row);
  return true;
}
