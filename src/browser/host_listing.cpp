#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "base/ascii_case.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "formats/format_table.h"

namespace {

bool has_extension(const std::string& name, std::string_view extension) {
  if (name.size() < extension.size()) return false;
  return ascii_lower(std::string_view(name).substr(name.size() - extension.size())) == extension;
}

// Type markers are written before the group's names are known: every row of a group
// carries the same marker, so the sorted names can be written afterwards.
void append_marked_row(tdir& grid, row_kind kind) {
  grid_row& row = tdir_row(grid, grid.row_count - 1);
  row.cells[1] = row_marker(kind);
  row.cells[2].clear();
  row.cells[3].clear();
  tdir_set_row_count(grid, grid.row_count + 1);
}

void add_group_entry(browser& b, row_kind kind, const std::string& name, int64_t size) {
  append_marked_row(b.grid, kind);
  name_list_add(b.names, name, size);
}

void write_header(tdir& grid) {
  grid_row& header = tdir_row(grid, 0);
  header.cells = {"File name", "Type", "Size", "GFX format"};
  header.host_name.clear();
}

}  // namespace

bool list_directory(browser& b) {
  tdir& grid = b.grid;
  tdir_set_row_count(grid, 2);
  write_header(grid);
  const bool read = b.lister->list_current_directory(b.entries);

  name_list_clear(b.names);
  if (host_current_directory() != "/") add_group_entry(b, row_kind::directory, "..", 0);
  for (const host_entry& e : b.entries) {
    if (e.is_dir) add_group_entry(b, row_kind::directory, e.name, 0);
  }
  name_list_sort(b.names);
  fill_rows(b, 1);

  int first = grid.row_count - 1;
  name_list_clear(b.names);
  for (const host_entry& e : b.entries) {
    if (e.is_regular_file && e.size == listed_d64_size && has_extension(e.name, ".d64"))
      add_group_entry(b, row_kind::disk_image, e.name, 0);
  }
  name_list_sort(b.names);
  fill_rows(b, first);

  first = grid.row_count - 1;
  name_list_clear(b.names);
  for (const host_entry& e : b.entries) {
    if (e.is_regular_file && has_extension(e.name, ".vic"))
      add_group_entry(b, row_kind::picture_file, e.name, std::max<int64_t>(e.size, 0));
  }
  name_list_sort(b.names);
  fill_rows(b, first);

  b.drives->list_drives(b.drive_items);
  for (const drive_item& drive : b.drive_items) {
    grid_row& row = tdir_row(grid, grid.row_count - 1);
    row.cells = {"Drive " + drive.text, std::string(row_marker(row_kind::drive)), "", ""};
    row.host_name = drive.path;
    tdir_set_row_count(grid, grid.row_count + 1);
  }
  tdir_set_row_count(grid, grid.row_count - 1);
  return read;
}

void fill_rows(browser& b, int first_row) {
  const int count = name_list_count(b.names);
  for (int i = 0; i < count; ++i) {
    const name_entry& entry = name_list_get(b.names, i);
    grid_row& row = tdir_row(b.grid, first_row + i);
    row.cells[0] = entry.name;
    row.host_name = entry.host_name;
    if (entry.size != 0) {
      row.cells[2] = std::to_string(entry.size);
      const int64_t size = std::min<int64_t>(entry.size, std::numeric_limits<int32_t>::max());
      row.cells[3] = format_name_by_size(static_cast<int32_t>(size));
    } else {
      row.cells[2].clear();
      row.cells[3].clear();
    }
  }
}

void select_row_by_host_name(browser& b, const std::string& name) {
  for (int row = 1; row < b.grid.row_count; ++row) {
    if (tdir_row(b.grid, row).host_name == name) {
      tdir_select_row(b.grid, row);
      return;
    }
  }
  tdir_select_row(b.grid, 1);
}
