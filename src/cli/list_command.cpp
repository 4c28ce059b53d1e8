#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "d64/d64_read.h"
#include "d64/d64_rows.h"

namespace {

constexpr const char* usage = "usage: velora2003 list IMAGE.d64\n";

// Why the image could not be read, for the message.
std::string unreadable_reason(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (S_ISDIR(info.st_mode)) return "is a directory";
  if (S_ISREG(info.st_mode) && disk_kind_by_size(info.st_size) == nullptr)
    return "is " + std::to_string(info.st_size) + " bytes, not a disk image's size (" +
           disk_image_sizes_text() + ")";
  return "cannot be read";
}

}  // namespace

int run_list_command(std::span<const std::string_view> args, console& io) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
    io.err << "velora2003: list: "
           << (args.empty() ? "no IMAGE" : "exactly one IMAGE and no options") << '\n'
           << usage;
    return 2;
  }
  const std::string path(args[0]);
  const auto reader = std::make_unique<d64_reader>();
  if (!read_directory(*reader, path)) {
    io.err << "velora2003: list: " << path << ": " << unreadable_reason(path) << '\n';
    return 1;
  }
  compute_prg_sizes(*reader);
  for (int k = 0; k < reader->dir_entry_count; ++k) {
    const d64_row_texts row = make_d64_row_texts(reader->dir_entries[k]);
    io.out << k << '\t' << escape_d64_name(row.name) << '\t' << row.type << '\t' << row.size << '\t'
           << row.format << '\n';
  }
  return 0;
}
