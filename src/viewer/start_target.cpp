#include "viewer/start_target.h"

#include <filesystem>
#include <system_error>

#include "browser/browser.h"
#include "browser/row_kind.h"

namespace {

namespace fs = std::filesystem;

bool has_d64_extension(const fs::path& path) {
  const std::string ext = path.extension().string();
  return ext.size() == 4 && ext[0] == '.' && (ext[1] == 'd' || ext[1] == 'D') && ext[2] == '6' &&
         ext[3] == '4';
}

}  // namespace

start_classification classify_start(std::string_view start) {
  start_classification result;
  const fs::path path(start);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status)) {
    result.error = "start '" + std::string(start) + "' does not exist";
    return result;
  }
  start_target target;
  if (fs::is_directory(status)) {
    target.folder = std::string(start);
    result.target = target;
    return result;
  }
  // A trailing slash on a file cannot be: stat fails with ENOTDIR, handled above.
  target.kind = has_d64_extension(path) ? start_kind::disk_image : start_kind::picture_file;
  target.folder = path.has_parent_path() ? path.parent_path().string() : ".";
  target.file_name = path.filename().string();
  result.target = target;
  return result;
}

bool select_start_row(browser& b, const start_target& target) {
  if (target.kind == start_kind::folder) return false;
  select_row_by_host_name(b, target.file_name);
  const int row = b.grid.selected_row;
  if (!tdir_has_row(b.grid, row) || tdir_row(b.grid, row).host_name != target.file_name)
    return false;
  const row_kind kind = kind_of_row(b.grid, row);
  return kind ==
         (target.kind == start_kind::disk_image ? row_kind::disk_image : row_kind::picture_file);
}
