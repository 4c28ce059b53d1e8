#include <unistd.h>

#include "browser/row_kind.h"
#include "gui/help_screen.h"
#include "gui/panels.h"
#include "viewer/form.h"
#include "viewer/host_rename.h"

namespace {

constexpr int key_r = 'R';
constexpr int key_d = 'D';
constexpr unsigned each_frame_without_rate_ms = 14;
constexpr unsigned every_second_frame_without_rate_ms = 28;

}  // namespace

void TForm1::tdirKeyDown(int key, bool) {
  surface& screen = DXDraw.display_surface;
  if (key == vk::enter) open_selected_row();
  if (key == vk::back) open_parent();
  if (key == vk::escape && ask("Are you sure to exit the Velora?")) Close();
  if (key == vk::f1) {
    grid_visible_ = false;
    draw_help_screen(screen);
  }
  if (key == vk::f3) set_inertia(state_.crt.inertia_index - 1);
  if (key == vk::f4) set_inertia(state_.crt.inertia_index + 1);
  if (key == vk::f5) set_scanline(state_.crt.scanline_index - 1);
  if (key == vk::f6) set_scanline(state_.crt.scanline_index + 1);
  if (key == vk::f7) set_interlace_rate(rate_each_frame, each_frame_without_rate_ms);
  if (key == vk::f8)
    set_interlace_rate(rate_every_second_frame, every_second_frame_without_rate_ms);
  if (key == vk::f9) {
    state_.crt.display_mode = display_interlaced;
    draw_display_mode_panel(screen, state_.crt);
  }
  if (key == vk::f10) {
    state_.crt.display_mode = display_static;
    draw_display_mode_panel(screen, state_.crt);
  }
  if (key == key_r) rename_selected_file();
  if (key == key_d) {
    delete_selected(row_kind::picture_file);
    delete_selected(row_kind::directory);
  }
}

void TForm1::open_selected_row() {
  const open_outcome opened = open_entry(tdir_browser);
  switch (opened.action) {
    case open_action::nothing:
      break;
    case open_action::directory_changed:
      apply_directory_change(opened.text);
      break;
    case open_action::entered_disk_image:
    case open_action::left_disk_image:
      state_.in_disk_image = in_container(tdir_browser);
      state_.disk_image_name = opened.text;
      if (!opened.notice.empty()) tell(opened.notice);
      break;
    case open_action::show_picture:
      state_.format_id = opened.format_id;
      show_picture(opened.row, opened.source);
      break;
    case open_action::message:
      tell(opened.text);
      break;
  }
}

// BackSpace goes up a folder, or out of a disk image, as opening that row would.
void TForm1::open_parent() {
  const int row = parent_row(tdir_browser.grid);
  if (row == 0) return;
  tdir_select_row(tdir_browser.grid, row);
  open_selected_row();
}

// The status line follows the directory the browser now lists.
void TForm1::apply_directory_change(const std::string& current_dir) {
  if (!current_dir.empty()) state_.current_dir = current_dir;
  draw_status_line(DXDraw.display_surface, state_.current_dir);
}

void TForm1::set_inertia(int index) {
  if (index >= 0 && index < static_cast<int>(inertia_table.size()))
    state_.crt.set_inertia_index(static_cast<uint8_t>(index));
  draw_inertia_panel(DXDraw.display_surface, state_.crt);
}

void TForm1::set_scanline(int index) {
  if (index >= 0 && index < static_cast<int>(scanline_table.size()))
    state_.crt.set_scanline_index(static_cast<uint8_t>(index));
  draw_scanline_panel(DXDraw.display_surface, state_.crt);
}

void TForm1::set_interlace_rate(uint8_t rate, unsigned interval_without_rate) {
  state_.interlace_rate = rate;
  const unsigned hz = DXDraw.refresh_rate();
  const int frames = rate == rate_every_second_frame ? 2 : 1;
  // Truncated toward zero: at 60 Hz 16 ms for each frame, 33 ms for every second one.
  DXTimer.interval =
      hz != 0 ? static_cast<int>((1000.0 / hz) * frames) : static_cast<int>(interval_without_rate);
  draw_interlace_panel(DXDraw.display_surface, state_.interlace_rate);
}

void TForm1::rename_selected_file() {
  // Entries of containers are read, never changed.
  if (in_container(tdir_browser)) return;
  tdir& grid = tdir_browser.grid;
  const int row = grid.selected_row;
  if (kind_of_row(grid, row) != row_kind::picture_file) return;
  const std::string old_name = tdir_row(grid, row).host_name;
  const std::optional<std::string> new_name =
      Dialogs->input("Change file name", "New file name", old_name);
  modal_box_ran();
  // Cancel, or OK on the unchanged name, renames nothing.
  if (!new_name || *new_name == old_name) return;
  if (const result<> renamed = rename_in_folder(old_name, *new_name); !renamed) {
    tell(renamed.error());
    return;
  }
  list_directory(tdir_browser);
  tdir_select_row(grid, row);
}

// After a deletion the folder is listed again and the selection keeps its row index.
void TForm1::delete_selected(row_kind kind) {
  if (in_container(tdir_browser)) return;
  tdir& grid = tdir_browser.grid;
  const int row = grid.selected_row;
  if (kind_of_row(grid, row) != kind) return;
  const std::string name = tdir_row(grid, row).host_name;
  if (!ask("Do you really want to delete " + name + " ?")) return;
  // A file that cannot be deleted stays listed; nothing more is said.
  if (kind == row_kind::picture_file)
    unlink(name.c_str());
  else if (rmdir(name.c_str()) != 0)
    tell("Dir is not empty");
  list_directory(tdir_browser);
  tdir_select_row(grid, row);
}
