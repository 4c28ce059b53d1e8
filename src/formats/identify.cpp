#include "formats/identify.h"

#include <algorithm>
#include <array>

#include "base/ascii_case.h"
#include "base/thread_scratch.h"
#include "formats/format_table.h"

namespace {

enum class name_kind : uint8_t { vic, names_formats, names_none, not_a_picture };

// Extensions that C64 files of every kind carry, and names without an extension.
constexpr std::array<std::string_view, 3> generic_extensions = {"pic", "prg", ""};

std::string extension_of(std::string_view name) {
  const size_t dot = name.rfind('.');
  // A leading dot starts a hidden file's name, not its extension.
  if (dot == std::string_view::npos || dot == 0) return {};
  return ascii_lower(name.substr(dot + 1));
}

bool any_format_named_by(std::string_view extension) {
  for (const format_entry& format : format_table)
    if (format.recognised.named_by(extension)) return true;
  return false;
}

name_kind kind_of_name(std::string_view name) {
  const std::string extension = extension_of(name);
  if (extension == "vic") return name_kind::vic;
  if (!extension.empty() && any_format_named_by(extension)) return name_kind::names_formats;
  for (std::string_view generic : generic_extensions)
    if (extension == generic) return name_kind::names_none;
  return name_kind::not_a_picture;
}

std::optional<uint16_t> load_address(const file_peek& peek) {
  const std::span<const uint8_t> bytes = peek(2);
  if (bytes.size() < 2) return std::nullopt;
  return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

// Whether a packed file unpacks cleanly to its format's size.
bool unpacks(const format_entry& format, int64_t size, const file_peek& peek, stream_end end) {
  if (size <= 2 || size > 65536) return false;
  file_buffer& scratch = thread_scratch<struct unpack_scratch, file_buffer>();
  const std::span<const uint8_t> packed = peek(static_cast<uint32_t>(size));
  return packed.size() == static_cast<size_t>(size) &&
         unpack(format.pack, packed, format.unpacks_to(), scratch, end);
}

// Whether the format's arrangement takes the file whole.
bool arranges(const format_entry& format, int64_t size, const file_peek& peek) {
  if (size <= 0 || size > 65536) return false;
  const std::span<const uint8_t> bytes = peek(static_cast<uint32_t>(size));
  return bytes.size() == static_cast<size_t>(size) && arrangement_takes(format.arrange, bytes);
}

bool carries_mark_if_any(const format_entry& format, const file_peek& peek) {
  return format.mark.empty() ||
         format.mark.found_in(peek(static_cast<uint32_t>(format.mark.end())));
}

// Whether a file under a name of the format is of it: it carries the format's mark, if it has
// one, and has one of the format's sizes or unpacks to its size; a format with an arrangement,
// when that takes it.
bool fits_size(const format_entry& format, int64_t size, const file_peek& peek) {
  if (!carries_mark_if_any(format, peek)) return false;
  if (format.arrange != arrangement::none)
    return (format.sizes[0] == 0 || format.has_size(size)) && arranges(format, size, peek);
  if (format.pack == packing::none) return format.has_any_size(size);
  return unpacks(format, size, peek, stream_end::may_trail);
}

bool takes_load_address(const format_entry& format, const file_peek& peek) {
  const std::optional<uint16_t> address = load_address(peek);
  return address && format.recognised.takes_load_address(*address);
}

// How far into a file the marks of packed formats reach.
constexpr size_t mark_reach = [] {
  size_t reach = 0;
  for (const format_entry& format : format_table) reach = std::max(reach, format.mark.end());
  return reach;
}();

// The format whose mark the file carries and whose size it has, or unpacks to; 0 for none.
uint8_t identify_by_mark(int64_t size, const file_peek& peek) {
  const std::span<const uint8_t> start = peek(mark_reach);
  for (const format_entry& format : format_table) {
    if (!format.mark.found_in(start)) continue;
    if (format.pack == packing::none ? format.has_size(size)
                                     : unpacks(format, size, peek, stream_end::may_trail))
      return format.id;
  }
  return 0;
}

// The further format, not packed, that content alone tells and the file has the size and the
// load address of; 0 for none.
uint8_t identify_by_size_and_load_address(int64_t size, const file_peek& peek) {
  for (size_t k = size_table_formats; k < format_table.size(); ++k) {
    const format_entry& format = format_table[k];
    if (format.pack == packing::none && format.recognised.by_content && format.has_size(size) &&
        takes_load_address(format, peek) && carries_mark_if_any(format, peek) &&
        (format.arrange == arrangement::none || arranges(format, size, peek)))
      return format.id;
  }
  return 0;
}

// The packed format without a mark that the file unpacks as, at one of its load addresses and
// with nothing after its stream; 0 for none.
uint8_t identify_by_unpacking(int64_t size, const file_peek& peek) {
  for (const format_entry& format : format_table) {
    if (format.pack != packing::none && format.mark.empty() && takes_load_address(format, peek) &&
        unpacks(format, size, peek, stream_end::exact))
      return format.id;
  }
  return 0;
}

}  // namespace

uint8_t identify_by_content(int64_t size, const file_peek& peek, file_place place) {
  if (const uint8_t id = format_id_by_size(size)) return id;
  if (place == file_place::host) return identify_by_size_and_load_address(size, peek);
  // A disk image's bytes are in memory already: packed files are looked for as well, those
  // with a mark first.
  if (const uint8_t id = identify_by_mark(size, peek)) return id;
  if (const uint8_t id = identify_by_size_and_load_address(size, peek)) return id;
  return identify_by_unpacking(size, peek);
}

uint8_t identify_file(std::string_view name, int64_t size, const file_peek& peek) {
  if (kind_of_name(name) != name_kind::names_formats)
    return identify_by_content(size, peek, file_place::host);
  // A file that has a size of a format its extension names is that format; the load address
  // decides only between such formats.
  const std::string extension = extension_of(name);
  uint8_t first_fitting = 0;
  for (const format_entry& format : format_table) {
    if (!format.recognised.named_by(extension) || !fits_size(format, size, peek)) continue;
    if (takes_load_address(format, peek)) return format.id;
    if (first_fitting == 0) first_fitting = format.id;
  }
  if (first_fitting != 0) return first_fitting;
  // A packed picture saved under another picture's name still carries its mark.
  if (const uint8_t id = identify_by_mark(size, peek)) return id;
  return format_id_by_size(size);
}

const format_entry* packed_format_named_by(std::string_view name) {
  const std::string extension = extension_of(name);
  if (extension.empty()) return nullptr;
  for (const format_entry& format : format_table)
    if (format.pack != packing::none && format.recognised.named_by(extension)) return &format;
  return nullptr;
}

picture_name picture_name_kind(std::string_view name) {
  switch (kind_of_name(name)) {
    case name_kind::vic:
    case name_kind::names_formats:
      return picture_name::always;
    case name_kind::names_none:
      return picture_name::if_identified;
    case name_kind::not_a_picture:
      break;
  }
  return picture_name::never;
}

bool has_picture_size_and_address(int64_t size, uint16_t load_address) {
  for (const format_entry& format : format_table) {
    if (format.pack == packing::none && format.has_size(size) &&
        format.recognised.load_address_count > 0 &&
        format.recognised.takes_load_address(load_address))
      return true;
  }
  return false;
}

std::vector<std::string_view> picture_extensions() {
  std::vector<std::string_view> extensions = {"vic"};
  for (const format_entry& format : format_table) {
    for (const std::string_view extension : format.recognised.extensions) {
      if (!extension.empty() &&
          std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
        extensions.push_back(extension);
    }
  }
  return extensions;
}
