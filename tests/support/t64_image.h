#pragma once
// T64 tape images for tests: the header, one record per file (then free records), the data.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct tape_file {
  std::string name;
  std::vector<uint8_t> data;  // the file without its load address
  uint16_t start = 0x0801;
  uint16_t end = 0;  // 0: start + the data's size, as a correct record has it
  uint8_t c64_type = 0x82;
  uint8_t entry_type = 1;
};

inline std::vector<uint8_t> t64_image_of(std::span<const tape_file> files, int free_records = 2) {
  const size_t slots = files.size() + static_cast<size_t>(free_records);
  std::vector<uint8_t> tape(64 + 32 * slots, 0);
  const std::string signature = "C64S tape image file";
  std::copy(signature.begin(), signature.end(), tape.begin());
  tape[32] = 0x01;
  tape[33] = 0x01;
  tape[34] = static_cast<uint8_t>(slots & 0xFF);
  tape[35] = static_cast<uint8_t>(slots >> 8);
  tape[36] = 0;  // used records: often left 0
  for (size_t k = 0; k < files.size(); ++k) {
    const tape_file& file = files[k];
    uint8_t* record = tape.data() + 64 + 32 * k;
    const uint32_t offset = static_cast<uint32_t>(tape.size());
    const uint16_t end =
        file.end != 0 ? file.end : static_cast<uint16_t>(file.start + file.data.size());
    record[0] = file.entry_type;
    record[1] = file.c64_type;
    record[2] = static_cast<uint8_t>(file.start & 0xFF);
    record[3] = static_cast<uint8_t>(file.start >> 8);
    record[4] = static_cast<uint8_t>(end & 0xFF);
    record[5] = static_cast<uint8_t>(end >> 8);
    for (int b = 0; b < 4; ++b) record[8 + b] = static_cast<uint8_t>(offset >> (8 * b));
    for (size_t i = 0; i < 16; ++i)
      record[16 + i] = i < file.name.size() ? static_cast<uint8_t>(file.name[i]) : 0x20;
    tape.insert(tape.end(), file.data.begin(), file.data.end());
  }
  return tape;
}
