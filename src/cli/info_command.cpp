#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "formats/format_table.h"

namespace {

// The file's size, or the reason it cannot be read.
bool readable_file_size(const std::string& path, int64_t& size, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat info {};
  const bool ok = ::fstat(fileno(file), &info) == 0 && !S_ISDIR(info.st_mode);
  std::fclose(file);
  if (!ok) {
    reason = "is a directory";
    return false;
  }
  size = info.st_size;
  return true;
}

}  // namespace

int run_info_command(std::span<const std::string_view> args, console& io) {
  if (args.empty()) {
    io.err << "velora2003: info: no FILE\nusage: velora2003 info FILE...\n";
    return 2;
  }
  int status = 0;
  for (const std::string_view arg : args) {
    const std::string path(arg);
    int64_t size = 0;
    std::string reason;
    if (!readable_file_size(path, size, reason)) {
      io.err << "velora2003: info: " << path << ": " << reason << '\n';
      status = 1;
      continue;
    }
    const uint8_t id = format_id_by_size(size);
    io.out << path << '\t' << size << '\t' << unsigned{id} << '\t' << format_names[id] << '\n';
  }
  return status;
}
