#pragma once
// Whole numbers typed on the command line.
#include <charconv>
#include <optional>
#include <string_view>

// The number the text is, digits only and nothing after them, when it lies in first..last.
inline std::optional<int> whole_number_in(std::string_view text, int first, int last) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < first || value > last) return std::nullopt;
  return value;
}
