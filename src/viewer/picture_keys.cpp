#include <filesystem>
#include <system_error>

#include "browser/row_kind.h"
#include "viewer/form.h"

namespace {

constexpr int key_s = 'S';

bool is_file_row(const tdir& grid, int row) {
  const row_kind kind = kind_of_row(grid, row);
  return kind == row_kind::picture_file || kind == row_kind::pc64_file;
}

// The picture format of a row; 0 for a row that holds no picture or does not exist.
uint8_t row_format(const tdir& grid, int row) {
  return tdir_has_row(grid, row) ? tdir_row(grid, row).format_id : 0;
}

}  // namespace

void TForm1::FormKeyDown(int key) {
  if (state_.picture_shown && key == key_s) save_picture();
  if (state_.picture_shown && move_window(state_.window, key)) show_window_position();
  // Stepping through pictures works in host listings only.
  if (state_.in_disk_image || !state_.picture_shown) return;
  if (key == vk::page_down) next_picture();
  if (key == vk::page_up) previous_picture();
}

void TForm1::FormKeyPress(uint32_t key) {
  if (key != vk::enter && key != vk::escape) return;
  grid_visible_ = true;
  if (state_.picture_shown) state_.picture_shown = false;
  // The walks through the pictures moved the selection while the grid was hidden.
  paint_browser_grid();
  redraw_frame();
}

void TForm1::save_picture() {
  const std::optional<std::string> name = Dialogs->save_name();
  modal_box_ran();
  if (!name) return;
  std::error_code ec;
  if (std::filesystem::exists(*name, ec) && !ask("Do you really want to replace " + *name + " ?"))
    return;
  export_bmp(*name);
}

// Shows the picture of row, keeping the frames from copying a half-made picture meanwhile;
// the selection moves to it only when it is shown.
void TForm1::show_neighbour_picture(int row) {
  state_.presenting = false;
  state_.format_id = row_format(tdir_browser.grid, row);
  const bool shown = show_picture(row, picture_source::HOST_FILE);
  state_.presenting = true;
  if (shown) tdir_select_row(tdir_browser.grid, row);
}

void TForm1::next_picture() {
  const tdir& grid = tdir_browser.grid;
  int row = grid.selected_row;
  do ++row;
  while (row_format(grid, row) == 0 && is_file_row(grid, row));
  // The walk ends on a picture, or leaves the picture files and the selection stays.
  if (row_format(grid, row) != 0) show_neighbour_picture(row);
}

void TForm1::previous_picture() {
  const tdir& grid = tdir_browser.grid;
  if (!is_file_row(grid, grid.selected_row - 1)) return;
  int row = grid.selected_row;
  do --row;
  while (row_format(grid, row) == 0 && is_file_row(grid, row));
  if (row_format(grid, row) != 0) show_neighbour_picture(row);
}
