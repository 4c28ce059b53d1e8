#pragma once
// Reading a T64 tape image: a 64-byte header, then 32-byte directory records, then the files'
// data. Every record gives a file's C64 name, its start and end address and where its data lie.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "containers/byte_source.h"
#include "containers/d64/d64_file_type.h"

inline constexpr int t64_header_size = 64;
inline constexpr int t64_record_size = 32;
// The end address that an early converter wrote into every record, whatever the file's size.
inline constexpr uint16_t t64_flawed_end_address = 0xC3C6;

struct t64_entry {
  std::array<uint8_t, 16> name{};  // the record's 16 name bytes, 0xA0 and 0x00 shown as spaces
  d64_file_type file_type = d64_file_type::prg;
  uint16_t start_address = 0;  // the load address
  uint32_t offset = 0;         // where the file's data start in the tape
  uint32_t data_size = 0;      // bytes of data after the load address

  // The file as a PRG file has it: the load address, then the data.
  int32_t size() const { return static_cast<int32_t>(data_size) + 2; }
};

// Lists the tape's used records, at most max_entries of them, into entries. Each file's size
// comes from its end address, except where that address cannot be right (the converter's
// $C3C6, an end at or before the start, or more data than lie before the next file or the
// tape's end): then from where the next file's data start, or from the tape's end. Fails when
// the header is no T64's; sets truncated when the directory holds more used records.
result<> read_t64_directory(const byte_source& tape, std::vector<t64_entry>& entries,
                            size_t max_entries, bool& truncated);

// Copies the entry as a PRG file (load address, then data) into out; the bytes copied, at
// most out.size().
result<size_t> read_t64_file(const byte_source& tape, const t64_entry& entry,
                             std::span<uint8_t> out);
