#include "base/escaped_text.h"

#include <cstdint>

std::string escaped_text(std::string_view text) {
  static constexpr char hex_digits[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x20 && byte <= 0x7E && c != '\\') {
      out += c;
    } else {
      out += "\\x";
      out += hex_digits[byte >> 4];
      out += hex_digits[byte & 15];
    }
  }
  return out;
}
