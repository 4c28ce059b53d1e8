#include "app/start_argument.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "containers/container_name.h"

namespace fs = std::filesystem;

result<start_target> classify_start(std::string_view start) {
  const fs::path path(start);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status))
    return failure{"start '" + std::string(start) + "' does not exist"};
  start_target target;
  if (fs::is_directory(status)) {
    target.folder = std::string(start);
    return target;
  }
  // A trailing slash on a file cannot be: stat fails with ENOTDIR, handled above.
  const std::optional<container_type> type = container_type_of(path.filename().string());
  target.kind = type && type->kind != container_kind::pc64 ? start_kind::disk_image
                                                           : start_kind::picture_file;
  target.folder = path.has_parent_path() ? path.parent_path().string() : ".";
  target.file_name = path.filename().string();
  return target;
}
