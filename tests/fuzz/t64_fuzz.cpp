// Fuzz harness: lists arbitrary T64 tapes as the browser and the list command do and reads every
// file listed. Built by scripts/fuzz with clang's libFuzzer and sanitizers.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "listing/container_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto opened = std::make_unique<container_stack>();
  static file_buffer file;
  static container_listing listing;
  if (!opened->open_bytes("tape.t64", std::span(data, size))) return 0;
  list_all_entries(*opened, listing);
  if (listing.rows.size() > max_container_entries) __builtin_trap();
  for (const entry_row& row : listing.rows) {
    const result<entry_bytes> read = opened->read(row.entry, file.bytes);
    if (read && read->size > file.bytes.size()) __builtin_trap();
  }
  return 0;
}
