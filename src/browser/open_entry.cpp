#include <string>

#include "browser/browser.h"
#include "formats/format_table.h"
#include "viewer/app_state.h"

namespace {

void show_status(browser& b) {
  if (b.hooks.draw_status_line) b.hooks.draw_status_line();
}

void read_back_current_dir(app_state& state) {
  const std::string now = host_current_directory();
  if (!now.empty()) state.current_dir = now;
}

std::string last_component(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Changes to path and lists it; a directory that is refused, or entered but unreadable,
// leaves the browser listing the directory it was in.
bool enter_directory(browser& b, app_state& state, const std::string& path,
                     const std::string& old) {
  const bool entered = host_change_directory(path);
  read_back_current_dir(state);
  show_status(b);
  const bool listed = list_directory(b);
  if (!entered || listed) return entered;
  if (!old.empty() && host_change_directory(old)) {
    read_back_current_dir(state);
    show_status(b);
    list_directory(b);
  }
  return false;
}

void show_row_picture(browser& b, app_state& state, int row, picture_source source) {
  state.format_id = format_id_by_size_text(tdir_cell(b.grid, 2, row));
  if (b.hooks.show_picture) b.hooks.show_picture(row, source);
}

}  // namespace

void open_entry(browser& b, app_state& state, d64_reader& disk) {
  const int row = b.grid.selected_row;
  if (!tdir_has_row(b.grid, row)) return;
  const std::string marker = tdir_cell(b.grid, 1, row);
  const std::string name = tdir_row(b.grid, row).host_name;

  if (marker == "<DIR>") {
    const std::string old = host_current_directory();
    if (enter_directory(b, state, name, old) && name == "..") {
      select_row_by_host_name(b, last_component(old));
    }
  }
  if (marker == "<WIN>") {
    list_directory(b);
    select_row_by_host_name(b, state.disk_image_name);
    state.in_disk_image = false;
  }
  if (marker == "<D64>") {
    if (list_disk_image(b, disk, name)) {
      state.disk_image_name = name;
      state.in_disk_image = true;
    } else if (b.hooks.show_message) {
      b.hooks.show_message("Cannot read disk image " + name);
    }
  }
  if (marker == "<Drive>") enter_directory(b, state, name, host_current_directory());
  if (marker == "<File>") show_row_picture(b, state, row, picture_source::HOST_FILE);
  if (marker == "PRG") show_row_picture(b, state, row, picture_source::DISK_IMAGE_ENTRY);
}
