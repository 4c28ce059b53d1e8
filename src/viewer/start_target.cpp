#include "viewer/start_target.h"

#include "browser/browser.h"
#include "browser/row_kind.h"

bool select_start_row(browser& b, const start_target& target) {
  if (target.kind == start_kind::folder) return false;
  select_row_by_host_name(b, target.file_name);
  const int row = b.grid.selected_row;
  if (!tdir_has_row(b.grid, row) || tdir_row(b.grid, row).host_name != target.file_name)
    return false;
  const row_kind kind = kind_of_row(b.grid, row);
  if (target.kind == start_kind::disk_image) return opens_container(kind);
  return kind == row_kind::picture_file || kind == row_kind::pc64_file;
}
