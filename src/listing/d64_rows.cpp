#include "listing/d64_rows.h"

#include <algorithm>

#include "formats/format_table.h"
#include "formats/identify.h"

uint8_t identify_d64_entry(d64_reader& reader, const dir_entry& entry) {
  // A file that cannot be read whole is no picture to show.
  if (entry.chain.broken()) return 0;
  // The file's bytes are read along its chain only when its size does not decide.
  static file_buffer file;
  bool read = false;
  return identify_by_content(
      entry.size_bytes,
      [&](uint32_t count) {
        if (!read) read_file_chain(reader, entry.first_track, entry.first_sector, file);
        read = true;
        const uint32_t size = std::clamp<int32_t>(entry.size_bytes, 0, 65536);
        return std::span<const uint8_t>(file.bytes.data(), std::min(count, size));
      },
      file_place::disk_image);
}

uint8_t entry_picture_format(d64_reader& reader, const dir_entry& entry) {
  return is_program_file(entry.file_type) ? identify_d64_entry(reader, entry) : 0;
}

d64_row_texts make_d64_row_texts(d64_reader& reader, const dir_entry& entry) {
  d64_row_texts row;
  row.name.assign(entry.name.begin(), entry.name.end());
  row.type.assign(file_type_marker(entry.file_type));
  if (!is_program_file(entry.file_type)) return row;
  row.size = std::to_string(entry.size_bytes);
  if (entry.chain.broken()) {
    row.type += broken_chain_mark;
    return row;
  }
  row.format_id = identify_d64_entry(reader, entry);
  row.format = format_name(row.format_id);
  return row;
}
