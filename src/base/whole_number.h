#pragma once
// Whole numbers typed on the command line, and written for people to read.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number the text is, digits only and nothing after them, when it lies in first..last.
inline std::optional<int> whole_number_in(std::string_view text, int first, int last) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < first || value > last) return std::nullopt;
  return value;
}

// The number with a comma between groups of three digits: "9,906", "-1,024".
inline std::string grouped_number(int64_t value) {
  const std::string digits = std::to_string(value);
  const size_t first = value < 0 ? 1 : 0;
  std::string out = digits.substr(0, first);
  for (size_t i = first; i < digits.size(); ++i) {
    if (i > first && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}
