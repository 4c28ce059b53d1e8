#pragma once
// C64 files for container tests: a Koala picture that its name, size and load address all name,
// and a PC64 file around a payload.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "support/files.h"

// 10003 bytes loaded at $6000; seed makes pictures differ.
inline std::vector<uint8_t> koala_picture(unsigned seed) {
  std::vector<uint8_t> bytes = counting_bytes(10003, seed);
  bytes[0] = 0x00;
  bytes[1] = 0x60;
  return bytes;
}

// "C64File", a zero, the name in 16 bytes padded with zeros, a zero, a record size of 0, then
// the payload.
inline std::vector<uint8_t> pc64_file_of(std::string_view c64_name,
                                         std::span<const uint8_t> payload) {
  std::vector<uint8_t> file = {'C', '6', '4', 'F', 'i', 'l', 'e', 0};
  for (size_t i = 0; i < 18; ++i) file.push_back(i < c64_name.size() ? c64_name[i] : 0);
  file.insert(file.end(), payload.begin(), payload.end());
  return file;
}
