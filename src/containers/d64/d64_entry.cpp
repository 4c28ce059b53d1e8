#include "containers/d64/d64_entry.h"

#include <algorithm>
#include <limits>

bool has_disk_image_extension(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view ext = name.substr(name.size() - 4);
  if (ext[0] != '.' || (ext[1] != 'd' && ext[1] != 'D')) return false;
  const std::string_view digits = ext.substr(2);
  return digits == "64" || digits == "71" || digits == "81";
}

std::optional<d64_entry_ref> parse_d64_entry_ref(std::string_view input) {
  const size_t colon = input.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view image = input.substr(0, colon);
  const std::string_view digits = input.substr(colon + 1);
  if (!has_disk_image_extension(image) || digits.empty()) return std::nullopt;
  uint64_t index = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    // Beyond any directory: saturate rather than wrap onto a real entry.
    index = std::min<uint64_t>(index * 10 + (c - '0'), std::numeric_limits<uint32_t>::max());
  }
  return d64_entry_ref{std::string(image), static_cast<uint32_t>(index)};
}

std::optional<std::string> why_entry_is_unreadable(const dir_entry& entry) {
  if (entry.file_type == d64_file_type::cbm) return std::string(partition_message);
  if (!is_program_file(entry.file_type)) return std::string(not_a_program_message);
  if (entry.chain.broken()) return chain_break_text({entry.size_bytes, entry.chain});
  return std::nullopt;
}

result<d64_entry_read> read_d64_entry(d64_reader& reader, const d64_entry_ref& ref,
                                      file_buffer& file) {
  if (const result<> listed = read_directory(reader, ref.image); !listed)
    return failure{"cannot read the disk image: " + listed.error()};
  if (ref.index >= reader.dir_entry_count) return failure{std::string(no_such_entry_message)};
  compute_prg_sizes(reader);
  const dir_entry& entry = reader.dir_entries[ref.index];
  if (std::optional<std::string> why = why_entry_is_unreadable(entry)) return failure{*why};
  read_file_chain(reader, entry.first_track, entry.first_sector, file);
  return d64_entry_read{std::string(entry.name.begin(), entry.name.end()), entry.size_bytes};
}
