#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "base/quit_signal.h"
#include "base/regular_file.h"
#include "cli/commands.h"
#include "cli/escaped_text.h"
#include "containers/d64/d64_entry.h"
#include "formats/format_table.h"
#include "formats/identify.h"
#include "formats/picture_model.h"
#include "listing/d64_rows.h"

namespace {

// The format a file's name, size and first bytes tell, or why the file cannot be read.
result<uint8_t> file_format(const std::string& path, int64_t& size) {
  const result<file_descriptor> fd = open_regular_file(path);
  if (!fd) return failure{fd.error()};
  static file_buffer start;
  const result<size_t> read = read_up_to(*fd, start.bytes);
  if (!read) return failure{read.error()};
  struct stat info {};
  if (::fstat(fd->get(), &info) != 0) return failure{"cannot be read"};
  size = info.st_size;
  const size_t got = *read;
  return identify_file(path, size, [got](uint32_t count) {
    return std::span<const uint8_t>(start.bytes.data(), std::min<size_t>(count, got));
  });
}

// A disk image's columns after its size: format 0, the kind of image, its entries and how many of
// them are pictures that can be shown; nothing for a file that is no disk image.
std::optional<std::string> disk_image_columns(const std::string& path) {
  if (!has_disk_image_extension(path)) return std::nullopt;
  const auto reader = std::make_unique<d64_reader>();
  if (!read_directory(*reader, path)) return std::nullopt;
  compute_prg_sizes(*reader);
  int pictures = 0;
  for (int k = 0; k < reader->dir_entry_count; ++k) {
    const dir_entry& entry = reader->dir_entries[k];
    if (is_program_file(entry.file_type) && identify_d64_entry(*reader, entry) != 0) ++pictures;
  }
  return "0\t" + disk_kind_text(*reader->kind) + '\t' + std::to_string(reader->dir_entry_count) +
         '\t' + std::to_string(pictures);
}

}  // namespace

int run_info_command(std::span<const std::string_view> args, console& io) {
  if (!args.empty() && args.front() == "--") args = args.subspan(1);
  if (args.empty()) {
    io.err << "velora2003: info: no FILE\nusage: velora2003 info FILE...\n";
    return 2;
  }
  int status = 0;
  for (const std::string_view arg : args) {
    if (quit_signal_received()) return quit_signal_exit_status();
    const std::string path(arg);
    int64_t size = 0;
    const result<uint8_t> id = file_format(path, size);
    if (!id) {
      io.err << "velora2003: info: " << escaped_text(path) << ": " << id.error() << '\n';
      status = 1;
      continue;
    }
    io.out << escaped_text(path) << '\t' << size << '\t';
    if (const std::optional<std::string> image = disk_image_columns(path))
      io.out << *image << '\n';
    else
      io.out << unsigned{*id} << '\t' << format_name(*id) << '\n';
  }
  return status;
}
