#include <algorithm>
#include <cstdint>
#include <string>

#include "base/ascii_case.h"
#include "base/regular_file.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/container_name.h"
#include "containers/d64/d64_geometry.h"
#include "containers/pc64/pc64_read.h"
#include "formats/format_table.h"
#include "formats/identify.h"

namespace {

// The disk image kind of a file: its size names one and its extension is the kind's name.
const disk_kind* disk_image_kind(const host_entry& e) {
  const disk_kind* kind = e.size > 0 ? disk_kind_by_size(static_cast<uintmax_t>(e.size)) : nullptr;
  if (kind == nullptr || e.name.size() < 4) return nullptr;
  const std::string_view extension = std::string_view(e.name).substr(e.name.size() - 4);
  return extension[0] == '.' && ascii_upper(extension.substr(1)) == kind->name ? kind : nullptr;
}

// The marker of a file listed as a container: a disk image (by its size and extension), or a
// gzip'd disk image, tape or archive by its name alone; nothing for any other file.
std::optional<std::string> container_row_marker(const host_entry& e) {
  if (const disk_kind* kind = disk_image_kind(e)) return std::string(disk_image_marker(kind->name));
  const std::optional<container_type> type = container_type_of(e.name);
  if (!type || type->kind == container_kind::pc64 ||
      (type->kind == container_kind::disk_image && !type->gzipped))
    return std::nullopt;
  return container_marker(type->name);
}

struct pc64_listed {
  std::string c64_name;
  int64_t size = 0;  // the payload's
  uint8_t format_id = 0;
};

// A PC64 file's C64 name and the format of its payload, told as a PRG file's would be; nothing
// for a file without a PC64 header.
std::optional<pc64_listed> pc64_file(const host_entry& e) {
  if (!pc64_type_of(e.name) || e.size < pc64_header_size) return std::nullopt;
  static file_buffer start;
  const auto peek_from = [&e](size_t offset, uint32_t count) {
    const size_t wanted = std::min<size_t>(offset + count, start.bytes.size());
    const result<size_t> read = read_file_start(e.name, std::span(start.bytes).first(wanted));
    const size_t got = read ? *read : 0;
    return got > offset ? std::span<const uint8_t>(start.bytes).subspan(offset, got - offset)
                        : std::span<const uint8_t>();
  };
  const std::optional<pc64_header> header = read_pc64_header(peek_from(0, pc64_header_size));
  if (!header) return std::nullopt;
  pc64_listed listed{std::string(header->name.begin(), header->name.end()),
                     e.size - pc64_header_size, 0};
  listed.format_id = identify_by_content(
      listed.size, [&](uint32_t count) { return peek_from(pc64_header_size, count); },
      file_place::host);
  return listed;
}

// The picture format of a host file that is listed as a picture, reading its first bytes only
// when its name and size do not tell; nothing for a file that is not listed.
std::optional<uint8_t> picture_format(const host_entry& e) {
  const picture_name kind = picture_name_kind(e.name);
  if (kind == picture_name::never) return std::nullopt;
  static file_buffer start;
  // The file is opened once for its load address and a mark together, and again only when
  // more is wanted (a packed file, whole).
  constexpr size_t first_read = 32;
  size_t asked = 0, got = 0;
  const uint8_t id = identify_file(e.name, e.size, [&](uint32_t count) {
    if (count > asked) {
      asked = std::min(std::max<size_t>(count, first_read), start.bytes.size());
      const result<size_t> read = read_file_start(e.name, std::span(start.bytes).first(asked));
      got = read ? *read : 0;
    }
    return std::span<const uint8_t>(start.bytes.data(), std::min<size_t>(count, got));
  });
  if (kind == picture_name::if_identified && id == 0) return std::nullopt;
  return id;
}

// Type markers are written before the group's names are known: every row of a group
// carries the same marker, so the sorted names can be written afterwards.
void append_marked_row(tdir& grid, row_kind kind) {
  grid_row& row = tdir_row(grid, grid.row_count - 1);
  row.cells[1] = row_marker(kind);
  row.cells[2].clear();
  row.cells[3].clear();
  tdir_set_row_count(grid, grid.row_count + 1);
}

name_entry& add_group_entry(browser& b, row_kind kind, const std::string& name, int64_t size,
                            uint8_t format_id = 0, std::string_view marker = {}) {
  append_marked_row(b.grid, kind);
  return name_list_add(b.names, name, size, format_id, marker);
}

void write_header(tdir& grid) {
  grid_row& header = tdir_row(grid, 0);
  header.cells = {"File name", "Type", "Size", "GFX format"};
  header.host_name.clear();
}

}  // namespace

bool list_directory(browser& b) {
  tdir& grid = b.grid;
  tdir_set_row_count(grid, 2);
  write_header(grid);
  const bool read = b.lister->list_current_directory(b.entries);

  name_list_clear(b.names);
  if (host_current_directory() != "/") add_group_entry(b, row_kind::directory, "..", 0);
  for (const host_entry& e : b.entries) {
    if (e.is_dir) add_group_entry(b, row_kind::directory, e.name, 0);
  }
  name_list_sort(b.names);
  fill_rows(b, 1);

  int first = grid.row_count - 1;
  name_list_clear(b.names);
  for (const host_entry& e : b.entries) {
    if (!e.is_regular_file) continue;
    if (const std::optional<std::string> marker = container_row_marker(e))
      add_group_entry(b, row_kind::disk_image, e.name, 0, 0, *marker);
  }
  name_list_sort(b.names);
  fill_rows(b, first);

  first = grid.row_count - 1;
  name_list_clear(b.names);
  for (const host_entry& e : b.entries) {
    if (!e.is_regular_file) continue;
    if (const std::optional<pc64_listed> pc64 = pc64_file(e)) {
      add_group_entry(b, row_kind::pc64_file, e.name, pc64->size, pc64->format_id, pc64_marker)
          .c64_name = pc64->c64_name;
      continue;
    }
    if (const std::optional<uint8_t> format = picture_format(e))
      add_group_entry(b, row_kind::picture_file, e.name, std::max<int64_t>(e.size, 0), *format);
  }
  name_list_sort(b.names);
  fill_rows(b, first);

  b.drives->list_drives(b.drive_items);
  for (const drive_item& drive : b.drive_items) {
    grid_row& row = tdir_row(grid, grid.row_count - 1);
    row.cells = {"Drive " + drive.text, std::string(row_marker(row_kind::drive)), "", ""};
    row.host_name = drive.path;
    tdir_set_row_count(grid, grid.row_count + 1);
  }
  tdir_set_row_count(grid, grid.row_count - 1);
  return read;
}

void fill_rows(browser& b, int first_row) {
  const int count = name_list_count(b.names);
  for (int i = 0; i < count; ++i) {
    const name_entry& entry = name_list_get(b.names, i);
    grid_row& row = tdir_row(b.grid, first_row + i);
    row.cells[0] = entry.name;
    row.host_name = entry.host_name;
    row.format_id = entry.format_id;
    row.c64_name = entry.c64_name;
    if (!entry.marker.empty()) row.cells[1] = entry.marker;
    if (entry.size != 0) {
      row.cells[2] = std::to_string(entry.size);
      row.cells[3] = format_name(entry.format_id);
    } else {
      row.cells[2].clear();
      row.cells[3].clear();
    }
  }
}

void select_row_by_host_name(browser& b, const std::string& name) {
  for (int row = 1; row < b.grid.row_count; ++row) {
    if (tdir_row(b.grid, row).host_name == name) {
      tdir_select_row(b.grid, row);
      return;
    }
  }
  tdir_select_row(b.grid, 1);
}
