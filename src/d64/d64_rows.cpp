#include "d64/d64_rows.h"

#include "formats/format_table.h"

d64_row_texts make_d64_row_texts(const dir_entry& entry) {
  d64_row_texts row;
  row.name.assign(entry.name.begin(), entry.name.end());
  row.type.assign(file_type_marker(entry.file_type));
  if (is_program_file(entry.file_type)) {
    row.size = std::to_string(entry.size_bytes);
    row.format = format_name_by_size(entry.size_bytes);
  }
  return row;
}

std::string escape_d64_name(std::string_view name) {
  static constexpr char hex_digits[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : name) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x20 && byte <= 0x7E) {
      text += c;
    } else {
      text += "\\x";
      text += hex_digits[byte >> 4];
      text += hex_digits[byte & 15];
    }
  }
  return text;
}
