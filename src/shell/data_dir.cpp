#include "shell/data_dir.h"

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
  }
  return VELORA_INSTALLED_DATA_DIR;
}
