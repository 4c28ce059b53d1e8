#include "containers/pc64/pc64_read.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view signature{"C64File\0", 8};

}  // namespace

std::optional<pc64_header> read_pc64_header(std::span<const uint8_t> start) {
  if (start.size() < pc64_header_size ||
      !std::equal(signature.begin(), signature.end(), start.begin()))
    return std::nullopt;
  pc64_header header;
  for (size_t i = 0; i < header.name.size(); ++i) {
    const uint8_t byte = start[signature.size() + i];
    header.name[i] = byte == 0x00 || byte == 0xA0 ? 0x20 : byte;
  }
  header.record_size = start[pc64_header_size - 1];
  return header;
}
