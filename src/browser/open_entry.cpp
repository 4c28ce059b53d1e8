#include <optional>
#include <string>

#include "base/ascii_case.h"
#include "base/escaped_text.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/container_name.h"
#include "containers/container_stack.h"

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
  return {open_action::show_picture, {}, row, source, tdir_row(b.grid, row).format_id, {}};
}

// "Cannot read disk image NAME: why", the container named by its kind.
std::string cannot_read(std::string_view name, const std::string& why) {
  const std::optional<container_type> type = container_type_of(name);
  const std::string_view kind = container_kind_text(type ? type->kind : container_kind::archive);
  return "Cannot read " + std::string(kind) + " " + escaped_text(name) + ": " + why;
}

// Where the listing is now, for the viewer: the container and the folder inside it.
std::string place_name(const browser& b) {
  return b.opened->innermost().name + (b.folder.empty() ? "" : "/" + b.folder);
}

// Lists the container just entered from row. One that shows nothing and says why is left
// again, and the listing it was entered from comes back.
open_outcome list_entered(browser& b, int row) {
  const std::string folder = b.folder;
  const std::string name = b.opened->innermost().name;
  b.places.push_back({folder, row, true});
  b.folder.clear();
  const std::string problems = list_opened_container(b);
  if (!b.listing.rows.empty() || problems.empty())
    return {open_action::entered_disk_image,
            place_name(b),
            0,
            {},
            0,
            problems.empty() ? std::string() : escaped_text(name) + ": " + problems};
  b.places.pop_back();
  b.folder = folder;
  b.opened->leave();
  if (in_container(b))
    list_opened_container(b);
  else
    list_directory(b);
  tdir_select_row(b.grid, row);
  return {open_action::message, cannot_read(name, problems)};
}

open_outcome enter_inner_container(browser& b, int row) {
  if (const result<> entered = b.opened->enter(tdir_row(b.grid, row).entry); !entered)
    return {open_action::message, cannot_read(tdir_cell(b.grid, 0, row), entered.error())};
  return list_entered(b, row);
}

open_outcome enter_folder(browser& b, int row) {
  b.places.push_back({b.folder, row, false});
  b.folder += tdir_row(b.grid, row).host_name + "/";
  list_opened_container(b);
  return {open_action::entered_disk_image, place_name(b), 0, {}, 0, {}};
}

// Steps out of the folder or container listed: back to the place it was entered from, with the
// row it was entered by selected; out of the outermost container, the host folder lists again.
open_outcome step_out(browser& b) {
  if (b.places.empty()) return {};
  const container_place place = b.places.back();
  b.places.pop_back();
  b.folder = place.folder;
  if (place.entered_container) b.opened->leave();
  if (!in_container(b)) {
    const std::string host_name = b.opened->level(0).name;
    b.opened->close();
    list_directory(b);
    select_row_by_host_name(b, host_name);
    return {open_action::left_disk_image, {}};
  }
  list_opened_container(b);
  tdir_select_row(b.grid, place.row);
  return {open_action::left_disk_image, place_name(b)};
}

open_outcome open_container_row(browser& b, int row) {
  if (in_container(b)) return enter_inner_container(b, row);
  return enter_host_container(b, tdir_row(b.grid, row).host_name);
}

// Why the disk image entry of the row cannot be opened, as a sentence.
open_outcome unreadable_entry(const browser& b, int row) {
  std::optional<std::string> why = b.opened->why_unreadable(tdir_row(b.grid, row).entry);
  if (!why || why->empty()) return {};
  (*why)[0] = ascii_upper_char((*why)[0]);
  return {open_action::message, std::move(*why)};
}

}  // namespace

open_outcome enter_host_container(browser& b, const std::string& file_name) {
  b.places.clear();
  b.folder.clear();
  if (const result<> open = b.opened->open(file_name); !open)
    return {open_action::message, cannot_read(file_name, open.error())};
  return list_entered(b, b.grid.selected_row);
}

open_outcome open_entry(browser& b) {
  const int row = b.grid.selected_row;
  if (!tdir_has_row(b.grid, row)) return {};
  // Listing replaces the rows: what a case lists by is copied first.
  const std::string& row_name = tdir_row(b.grid, row).host_name;
  const picture_source entry_source =
      in_container(b) ? picture_source::DISK_IMAGE_ENTRY : picture_source::HOST_FILE;
  switch (kind_of_row(b.grid, row)) {
    case row_kind::directory: {
      if (in_container(b)) return enter_folder(b, row);
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
      return step_out(b);
    case row_kind::disk_image:
    case row_kind::container:
      return open_container_row(b, row);
    case row_kind::picture_file:
    case row_kind::pc64_file:
      return picture_row(b, row, entry_source);
    case row_kind::image_program:
      return picture_row(b, row, picture_source::DISK_IMAGE_ENTRY);
    case row_kind::image_unreadable:
      return unreadable_entry(b, row);
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
