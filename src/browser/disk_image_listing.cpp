#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/d64/d64_read.h"
#include "listing/d64_rows.h"

bool list_disk_image(browser& b, d64_reader& disk, const std::string& file_name) {
  if (!read_directory(disk, file_name)) return false;
  compute_prg_sizes(disk);
  name_list_clear(b.names);

  tdir& grid = b.grid;
  tdir_row(grid, 0).cells = {"File name", "Type", "Size", "GFX format"};
  tdir_set_row_count(grid, disk.dir_entry_count + 2);
  grid_row& back = tdir_row(grid, 1);
  back.cells = {"..", std::string(row_marker(row_kind::leave_image)), "", ""};
  back.host_name = "..";
  tdir_select_row(grid, 1);
  for (int k = 0; k < disk.dir_entry_count; ++k) {
    d64_row_texts texts = make_d64_row_texts(disk, disk.dir_entries[static_cast<size_t>(k)]);
    grid_row& row = tdir_row(grid, row_of_record(k));
    row.cells = {std::move(texts.name), std::move(texts.type), std::move(texts.size),
                 std::string(texts.format)};
    row.host_name.clear();
    row.format_id = texts.format_id;
  }
  return true;
}
