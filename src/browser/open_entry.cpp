#include <optional>
#include <string>

#include "base/ascii_case.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/d64/d64_entry.h"

namespace {

std::string last_component(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

enum class entering : uint8_t { entered, refused, unreadable };

// Changes to path and lists it; a directory that is refused, or entered but unreadable,
// leaves the browser listing the directory it was in, with the row that was selected.
entering enter_directory(browser& b, const std::string& path, const std::string& old) {
  const int row = b.grid.selected_row;
  const bool entered = host_change_directory(path);
  const bool listed = list_directory(b);
  if (!entered || listed) return entered ? entering::entered : entering::refused;
  if (!old.empty() && host_change_directory(old)) list_directory(b);
  tdir_select_row(b.grid, row);
  return entering::unreadable;
}

// What entering a directory or drive did: a folder that cannot be read is said.
open_outcome after_entering(entering result, const std::string& name) {
  if (result == entering::unreadable)
    return {open_action::message, "Cannot read directory " + name};
  return {open_action::directory_changed, host_current_directory()};
}

open_outcome picture_row(const browser& b, int row, picture_source source) {
  return {open_action::show_picture, {}, row, source, tdir_row(b.grid, row).format_id};
}

// Why the disk image entry of the row cannot be opened, as a sentence.
open_outcome unreadable_entry(const d64_reader& disk, int row) {
  const int record = record_of_row(row);
  if (record < 0 || record >= disk.dir_entry_count) return {};
  std::optional<std::string> why = why_entry_is_unreadable(disk.dir_entries[record]);
  if (!why) return {};
  (*why)[0] = ascii_upper_char((*why)[0]);
  return {open_action::message, std::move(*why)};
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
      const entering entered = enter_directory(b, name, old);
      if (entered == entering::entered && name == "..")
        select_row_by_host_name(b, last_component(old));
      return after_entering(entered, name);
    }
    case row_kind::drive: {
      const std::string path = row_name;
      return after_entering(enter_directory(b, path, host_current_directory()), path);
    }
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
    case row_kind::image_unreadable:
      return unreadable_entry(disk, row);
    case row_kind::image_other:
    case row_kind::none:
      break;
  }
  return {};
}

int parent_row(const tdir& grid) {
  for (int row = 1; row < grid.row_count; ++row) {
    const row_kind kind = kind_of_row(grid, row);
    if (kind == row_kind::leave_image ||
        (kind == row_kind::directory && tdir_row(grid, row).host_name == ".."))
      return row;
  }
  return 0;
}
