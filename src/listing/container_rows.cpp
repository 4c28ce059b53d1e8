#include "listing/container_rows.h"

#include <algorithm>
#include <set>

#include "base/ascii_case.h"
#include "base/escaped_text.h"
#include "formats/format_table.h"
#include "formats/identify.h"
#include "formats/picture_file.h"

namespace {

// A listing tells the first few problems; more of the same add nothing.
constexpr size_t most_problems = 10;

void tell(container_listing& listing, std::string text) {
  if (listing.problems.size() < most_problems) listing.problems.push_back(std::move(text));
}

std::string quoted_name(std::string_view name) {
  return '"' + escaped_text(name) + '"';
}

std::string_view without_trailing_slash(std::string_view path) {
  while (path.ends_with('/')) path.remove_suffix(1);
  return path;
}

std::string_view last_part(std::string_view path) {
  path = without_trailing_slash(path);
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Tar archives often name their entries "./pics/a.koa".
std::string_view without_dot_parts(std::string_view path) {
  while (path.starts_with("./")) path.remove_prefix(2);
  return path;
}

entry_row make_row(uint32_t entry, row_role role, std::string name, std::string_view type) {
  entry_row row;
  row.entry = entry;
  row.role = role;
  row.name = std::move(name);
  row.type = type;
  return row;
}

file_peek bytes_peek(std::span<const uint8_t> bytes) {
  return [bytes](uint32_t count) { return bytes.first(std::min<size_t>(count, bytes.size())); };
}

entry_row c64_row(const container_entry& entry, const entry_peek& peek) {
  entry_row row =
      make_row(entry.index, row_role::c64_file, entry.name, file_type_marker(entry.type));
  if (!is_program_file(entry.type)) return row;
  row.size = std::to_string(entry.size);
  // A file that cannot be read whole is no picture to show.
  if (entry.broken) {
    row.type += broken_chain_mark;
    return row;
  }
  row.format_id = identify_by_content(entry.size, peek, file_place::disk_image);
  row.format = format_name(row.format_id);
  return row;
}

// The size of an entry the archive does not give one for (a gzip'd file): its bytes counted,
// when they are few enough to be a picture; -1 otherwise.
int64_t known_size(const container_entry& entry, const entry_peek& peek) {
  if (entry.size >= 0) return entry.size;
  const size_t got = peek(file_buffer_size).size();
  return got < file_buffer_size ? static_cast<int64_t>(got) : -1;
}

// A PC64 file's row; false for a file without the header (a Picasso 64 ".p64" picture).
bool describe_pc64(entry_row& row, int64_t size, const entry_peek& peek) {
  const std::optional<pc64_header> header = read_pc64_header(peek(pc64_header_size));
  if (!header) return false;
  row.role = row_role::pc64_file;
  row.type = pc64_marker;
  row.c64_name.assign(header->name.begin(), header->name.end());
  const int64_t payload_size = std::max<int64_t>(size - pc64_header_size, 0);
  row.size = std::to_string(payload_size);
  // The payload is told as a PRG file would be.
  const entry_peek payload = [&peek](uint32_t count) {
    const std::span<const uint8_t> bytes = peek(count + pc64_header_size);
    return bytes.size() > pc64_header_size ? bytes.subspan(pc64_header_size)
                                           : std::span<const uint8_t>();
  };
  row.format_id = identify_by_content(payload_size, payload, file_place::host);
  row.format = format_name(row.format_id);
  return true;
}

// An archive's file, told by its name as a host listing tells it, and by its bytes where the
// name leaves the format open.
entry_row file_row(const container_entry& entry, std::string name, const entry_peek& peek) {
  entry_row row = make_row(entry.index, row_role::other, std::move(name), file_marker);
  const std::string_view base = last_part(entry.name);
  if (const std::optional<container_type> type = container_type_of(base);
      type && type->kind != container_kind::pc64) {
    row.role = row_role::container;
    row.type = container_marker(type->name);
    return row;
  }
  if (entry.encrypted) return row;
  const int64_t size = known_size(entry, peek);
  if (size < 0) return row;
  row.size = std::to_string(size);
  if (pc64_type_of(base) && describe_pc64(row, size, peek)) return row;
  const picture_name naming = picture_name_kind(base);
  if (naming == picture_name::never) return row;
  const uint8_t id = identify_file(base, size, peek);
  if (naming == picture_name::if_identified && id == 0) return row;
  row.role = row_role::picture;
  row.format_id = id;
  row.format = format_name(id);
  return row;
}

void add_problem(container_listing& listing, const std::optional<std::string>& problem) {
  if (problem) listing.problems.insert(listing.problems.begin(), *problem);
}

}  // namespace

entry_picture identify_read_entry(const container_stack& opened, const entry_bytes& read,
                                  std::span<const uint8_t> bytes) {
  bytes = bytes.first(std::min(read.size, bytes.size()));
  entry_picture picture{std::string(read.name), 0, bytes.size()};
  if (opened.innermost().type.kind != container_kind::archive) {
    picture.format_id = identify_by_content(static_cast<int64_t>(picture.size), bytes_peek(bytes),
                                            file_place::disk_image);
    return picture;
  }
  const std::string_view base = last_part(read.name);
  picture.name = base;
  if (!picture.name.empty()) picture.name[0] = ascii_upper_char(picture.name[0]);
  if (pc64_type_of(base) && read_pc64_header(bytes)) {
    picture.offset = pc64_header_size;
    picture.size = bytes.size() - pc64_header_size;
    picture.format_id =
        identify_by_content(static_cast<int64_t>(picture.size),
                            bytes_peek(bytes.subspan(picture.offset)), file_place::host);
    return picture;
  }
  picture.format_id = identify_file(base, static_cast<int64_t>(picture.size), bytes_peek(bytes));
  return picture;
}

entry_picture place_entry_picture(const container_stack& opened, const entry_bytes& read,
                                  file_buffer& file) {
  entry_picture picture = identify_read_entry(opened, read, file.bytes);
  if (picture.offset != 0)
    std::copy(file.bytes.begin() + static_cast<ptrdiff_t>(picture.offset),
              file.bytes.begin() + static_cast<ptrdiff_t>(picture.offset + picture.size),
              file.bytes.begin());
  return picture;
}

bool row_shows_picture(const entry_row& row) {
  const bool file = row.role == row_role::picture || row.role == row_role::pc64_file ||
                    (row.role == row_role::c64_file && row.type == "PRG");
  return file && format_by_id(row.format_id) != nullptr;
}

std::string container_marker(std::string_view type_name) {
  // Appended rather than "<" + name, which GCC 12 at -O3 takes for an overlapping copy.
  std::string marker(1, '<');
  return marker.append(type_name).append(1, '>');
}

void list_all_entries(container_stack& opened, container_listing& listing) {
  listing.rows.clear();
  listing.problems.clear();
  const std::optional<std::string> problem = opened.walk([&listing](const container_entry& entry,
                                                                    const entry_peek& peek) {
    if (entry.c64_name) {
      listing.rows.push_back(c64_row(entry, peek));
      return;
    }
    if (!is_plain_entry_path(entry.name))
      tell(listing, "entry " + quoted_name(entry.name) + " has a name that is no plain path");
    if (entry.encrypted) tell(listing, "entry " + quoted_name(entry.name) + " is encrypted");
    if (entry.folder) {
      listing.rows.push_back(make_row(entry.index, row_role::folder, entry.name, folder_marker));
      return;
    }
    listing.rows.push_back(file_row(entry, entry.name, peek));
  });
  add_problem(listing, problem);
}

void list_folder(container_stack& opened, std::string_view folder, container_listing& listing) {
  listing.rows.clear();
  listing.problems.clear();
  std::set<std::string, std::less<>> folders;
  const std::optional<std::string> problem = opened.walk([&](const container_entry& entry,
                                                             const entry_peek& peek) {
    if (entry.c64_name) {
      listing.rows.push_back(c64_row(entry, peek));
      return;
    }
    if (!is_plain_entry_path(entry.name)) {
      tell(listing, "entry " + quoted_name(entry.name) + " is left out: its name is no plain path");
      return;
    }
    const std::string_view path = without_dot_parts(entry.name);
    if (!path.starts_with(folder)) return;
    const std::string_view rest = path.substr(folder.size());
    const std::string_view trimmed = without_trailing_slash(rest);
    const size_t slash = trimmed.find('/');
    // A folder entry, or a path through a folder that may have no entry of its own.
    if (entry.folder || slash != std::string_view::npos) {
      const std::string_view name = trimmed.substr(0, slash);
      if (!name.empty() && name != "." && folders.emplace(name).second)
        listing.rows.push_back(
            make_row(entry.index, row_role::folder, std::string(name), folder_marker));
      return;
    }
    if (trimmed.empty()) return;
    if (entry.encrypted) {
      tell(listing, "entry " + quoted_name(entry.name) + " is encrypted");
      return;
    }
    entry_row row = file_row(entry, std::string(trimmed), peek);
    if (row.role != row_role::other) listing.rows.push_back(std::move(row));
  });
  add_problem(listing, problem);
}
