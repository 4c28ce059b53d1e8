#include <string>

#include "browser/browser.h"
#include "browser/row_kind.h"
#include "formats/format_table.h"

namespace {

std::string last_component(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Changes to path and lists it; a directory that is refused, or entered but unreadable,
// leaves the browser listing the directory it was in.
bool enter_directory(browser& b, const std::string& path, const std::string& old) {
  const bool entered = host_change_directory(path);
  const bool listed = list_directory(b);
  if (!entered || listed) return entered;
  if (!old.empty() && host_change_directory(old)) list_directory(b);
  return false;
}

open_outcome directory_changed() {
  return {open_action::directory_changed, host_current_directory()};
}

open_outcome picture_row(const browser& b, int row, picture_source source) {
  return {open_action::show_picture,
          {},
          row,
          source,
          format_id_by_size_text(tdir_cell(b.grid, 2, row))};
}

}  // namespace

open_outcome open_entry(browser& b, d64_reader& disk, const std::string& disk_image_name) {
  const int row = b.grid.selected_row;
  if (!tdir_has_row(b.grid, row)) return {};
  // Listing replaces the rows: what a case lists by is copied first.
  const std::string& row_name = tdir_row(b.grid, row).host_name;
  switch (kind_of_row(b.grid, row)) {
    case row_kind::directory: {
      const std::string name = row_name;
      const std::string old = host_current_directory();
      if (enter_directory(b, name, old) && name == "..")
        select_row_by_host_name(b, last_component(old));
      return directory_changed();
    }
    case row_kind::drive:
      enter_directory(b, std::string(row_name), host_current_directory());
      return directory_changed();
    case row_kind::leave_image:
      list_directory(b);
      select_row_by_host_name(b, disk_image_name);
      return {open_action::left_disk_image, {}};
    case row_kind::disk_image: {
      const std::string name = row_name;
      if (!list_disk_image(b, disk, name))
        return {open_action::message, "Cannot read disk image " + name};
      return {open_action::entered_disk_image, name};
    }
    case row_kind::picture_file:
      return picture_row(b, row, picture_source::HOST_FILE);
    case row_kind::image_program:
      return picture_row(b, row, picture_source::DISK_IMAGE_ENTRY);
    case row_kind::image_other:
    case row_kind::none:
      break;
  }
  return {};
}
