#include "app/data_dir.h"

#include <filesystem>
#include <system_error>

std::string find_data_dir(const std::string& given) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!given.empty()) {
    const fs::path absolute = fs::absolute(given, ec);
    return ec ? given : absolute.string();
  }
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path beside = exe.parent_path() / "data";
    if (fs::is_directory(beside, ec)) return beside.string();
    // An installed tree moved as a whole (a package or another prefix): bin/../share/...
    const fs::path installed = exe.parent_path().parent_path() / "share/velora2003/data";
    if (fs::is_directory(installed, ec)) return installed.string();
  }
  return VELORA_INSTALLED_DATA_DIR;
}
