#pragma once
// The file types of directory entries and their texts.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "base/ascii_case.h"

// Bits 0..2 of an entry's type byte: 0..4, and 5 on a disk that has partitions; the rest name
// no type.
enum class d64_file_type : uint8_t { del, seq, prg, usr, rel, cbm, unknown };

inline constexpr std::array<std::string_view, 7> file_type_texts = {"Del", "Seq", "Prg", "Usr",
                                                                    "Rel", "Cbm", "???"};

constexpr d64_file_type file_type_of(uint8_t type_byte, bool partitions = false) {
  const int type = type_byte & 7;
  if (type <= 4 || (type == 5 && partitions)) return static_cast<d64_file_type>(type);
  return d64_file_type::unknown;
}

// The type as the reader spells it: "Del", "Seq", "Prg", "Usr", "Rel" or "???".
constexpr std::string_view file_type_text(d64_file_type type) {
  return file_type_texts[static_cast<size_t>(type)];
}

// Program files are the ones whose size is worked out and that can be shown as pictures.
constexpr bool is_program_file(d64_file_type type) {
  return type == d64_file_type::prg;
}

namespace d64_file_type_detail {
inline constexpr size_t marker_size = 3;
static_assert(std::all_of(file_type_texts.begin(), file_type_texts.end(),
                          [](std::string_view text) { return text.size() == marker_size; }));
// The texts upper-cased by the ASCII rule, once.
inline constexpr auto markers = [] {
  std::array<std::array<char, marker_size>, file_type_texts.size()> upper{};
  for (size_t t = 0; t < file_type_texts.size(); ++t) {
    for (size_t i = 0; i < marker_size; ++i) upper[t][i] = ascii_upper_char(file_type_texts[t][i]);
  }
  return upper;
}();
}  // namespace d64_file_type_detail

// The type as a listing shows it: the text upper-cased ("PRG", "???").
constexpr std::string_view file_type_marker(d64_file_type type) {
  const auto& marker = d64_file_type_detail::markers[static_cast<size_t>(type)];
  return {marker.data(), marker.size()};
}

// Follows the type of a file whose sector chain breaks before its end.
inline constexpr char broken_chain_mark = '<';

static_assert(file_type_marker(d64_file_type::prg) == "PRG" &&
              file_type_marker(d64_file_type::cbm) == "CBM" &&
              file_type_marker(d64_file_type::unknown) == "???");
