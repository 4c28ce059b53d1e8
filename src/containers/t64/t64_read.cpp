#include "containers/t64/t64_read.h"

#include <algorithm>

namespace {

constexpr std::array<uint8_t, 3> signature = {'C', '6', '4'};
constexpr uint32_t memory_end = 0x10000;

uint16_t word_at(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t long_at(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// Old tapes store 0x01 (or 0x00) where a disk directory has 0x82; any type without the closed
// bit is a program.
d64_file_type type_of(uint8_t c64_type) {
  return (c64_type & 0x80) != 0 ? file_type_of(c64_type) : d64_file_type::prg;
}

t64_entry entry_of(std::span<const uint8_t> record) {
  t64_entry entry;
  entry.file_type = type_of(record[1]);
  entry.start_address = word_at(record, 2);
  entry.offset = long_at(record, 8);
  for (size_t i = 0; i < entry.name.size(); ++i) {
    const uint8_t byte = record[16 + i];
    entry.name[i] = byte == 0xA0 || byte == 0x00 ? 0x20 : byte;
  }
  return entry;
}

// The data size from the record's end address, or 0 where the address cannot be right.
uint32_t size_from_addresses(std::span<const uint8_t> record) {
  const uint16_t start = word_at(record, 2);
  const uint16_t stored_end = word_at(record, 4);
  if (stored_end == t64_flawed_end_address) return 0;
  // An end address of 0 is the end of memory.
  const uint32_t end = stored_end == 0 ? memory_end : stored_end;
  return end > start ? end - start : 0;
}

// The bytes between the entry's data and the next file's data (offsets sorted) or the tape's
// end, at most a C64's memory.
uint32_t room_after(const std::vector<uint32_t>& offsets, const t64_entry& entry,
                    uint64_t tape_size) {
  const auto next_offset = std::upper_bound(offsets.begin(), offsets.end(), entry.offset);
  const uint64_t next = next_offset == offsets.end() ? tape_size : *next_offset;
  if (next <= entry.offset) return 0;
  return static_cast<uint32_t>(std::min<uint64_t>(next - entry.offset, memory_end));
}

}  // namespace

result<> read_t64_directory(const byte_source& tape, std::vector<t64_entry>& entries,
                            size_t max_entries, bool& truncated) {
  entries.clear();
  truncated = false;
  std::array<uint8_t, t64_header_size> header{};
  const result<size_t> read = read_at(tape, 0, header);
  if (!read) return read.why();
  if (*read < header.size() || !std::equal(signature.begin(), signature.end(), header.begin()))
    return failure{"is not a T64 tape image"};
  // The records that lie inside the file; the header's count of used ones is often 0.
  const uint64_t records_in_file = (tape.size - t64_header_size) / t64_record_size;
  const uint64_t slots = std::min<uint64_t>(word_at(header, 34), records_in_file);
  std::vector<uint32_t> claimed;
  std::array<uint8_t, t64_record_size> record{};
  for (uint64_t slot = 0; slot < slots; ++slot) {
    if (!read_at(tape, t64_header_size + slot * t64_record_size, record)) break;
    if (record[0] == 0) continue;
    if (entries.size() == max_entries) {
      truncated = true;
      break;
    }
    entries.push_back(entry_of(record));
    claimed.push_back(size_from_addresses(record));
  }
  std::vector<uint32_t> offsets;
  offsets.reserve(entries.size());
  for (const t64_entry& entry : entries) offsets.push_back(entry.offset);
  std::sort(offsets.begin(), offsets.end());
  for (size_t k = 0; k < entries.size(); ++k) {
    t64_entry& entry = entries[k];
    const uint32_t room =
        std::min(room_after(offsets, entry, tape.size), memory_end - entry.start_address);
    entry.data_size = claimed[k] == 0 || claimed[k] > room ? room : claimed[k];
  }
  return {};
}

result<size_t> read_t64_file(const byte_source& tape, const t64_entry& entry,
                             std::span<uint8_t> out) {
  if (out.size() < 2) return size_t{0};
  out[0] = static_cast<uint8_t>(entry.start_address & 0xFF);
  out[1] = static_cast<uint8_t>(entry.start_address >> 8);
  const size_t wanted = std::min<size_t>(entry.data_size, out.size() - 2);
  const result<size_t> read = read_at(tape, entry.offset, out.subspan(2, wanted));
  if (!read) return read.why();
  return *read + 2;
}
