#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "base/escaped_text.h"
#include "base/quit_signal.h"
#include "base/regular_file.h"
#include "cli/commands.h"
#include "cli/render_input.h"
#include "containers/container_path.h"
#include "containers/container_stack.h"
#include "formats/format_table.h"
#include "formats/identify.h"
#include "formats/picture_model.h"
#include "listing/container_rows.h"

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

// The format of an entry of a container, or of a PC64 file's payload: read whole, as render
// reads it.
result<uint8_t> entry_format(const std::string& input, int64_t& size) {
  static file_buffer file;
  static std::unique_ptr<container_stack> opened;
  const result<render_input> read = read_render_input(input, file, opened);
  if (!read) return read.why();
  size = read->size;
  return read->format_id;
}

// CONTAINER:N, or a PC64 file with its header.
bool names_an_entry(const std::string& input) {
  if (parse_container_path(input)) return true;
  const std::optional<container_type> type = container_type_of(input);
  std::array<uint8_t, pc64_header_size> start{};
  const result<size_t> read = type && type->kind == container_kind::pc64
                                  ? read_file_start(input, start)
                                  : result<size_t>(size_t{0});
  return read && read_pc64_header(std::span(start).first(*read)).has_value();
}

// A container's columns after its size: format 0, the kind of container, its entries and how
// many of them are pictures that can be shown; nothing for a file that is no container.
std::optional<std::string> container_columns(const std::string& path) {
  const std::optional<container_type> type = container_type_of(path);
  if (!type || type->kind == container_kind::pc64) return std::nullopt;
  static const auto opened = std::make_unique<container_stack>();
  if (!opened->open(path)) return std::nullopt;
  container_listing listing;
  list_all_entries(*opened, listing);
  const size_t pictures = std::count_if(
      listing.rows.begin(), listing.rows.end(),
      [](const entry_row& row) { return row.format_id != 0 && row.role != row_role::container; });
  const std::string kind = type->kind == container_kind::disk_image
                               ? disk_kind_text(opened->listed_disk_kind())
                               : std::string(type->name);
  return "0\t" + kind + '\t' + std::to_string(listing.rows.size()) + '\t' +
         std::to_string(pictures);
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
    const result<uint8_t> id =
        names_an_entry(path) ? entry_format(path, size) : file_format(path, size);
    if (!id) {
      io.err << "velora2003: info: " << escaped_text(path) << ": " << describe(id.why()) << '\n';
      status = 1;
      continue;
    }
    io.out << escaped_text(path) << '\t' << size << '\t';
    if (const std::optional<std::string> image = container_columns(path))
      io.out << *image << '\n';
    else
      io.out << unsigned{*id} << '\t' << format_name(*id) << '\n';
  }
  return status;
}
