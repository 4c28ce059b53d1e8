#pragma once
// Case conversion by the ASCII rule: only the letters a..z and A..Z change.
#include <string>
#include <string_view>

constexpr char ascii_upper_char(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char ascii_lower_char(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with a..z upper-cased.
inline std::string ascii_upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ascii_upper_char(c);
  return out;
}

// The text with A..Z lower-cased.
inline std::string ascii_lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ascii_lower_char(c);
  return out;
}
