// Fuzz harness: lists arbitrary PC64 files as a host folder and the list command do, and reads
// the payload as a picture would be read. Built by scripts/fuzz with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "listing/container_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto opened = std::make_unique<container_stack>();
  static file_buffer file;
  static container_listing listing;
  const bool listed = opened->open_bytes("file.p00", std::span(data, size)).ok();
  if (listed != read_pc64_header(std::span(data, size)).has_value()) __builtin_trap();
  if (!listed) return 0;
  list_all_entries(*opened, listing);
  if (listing.rows.size() != 1) __builtin_trap();
  const result<entry_bytes> read = opened->read(0, file.bytes);
  if (read) (void)identify_read_entry(*opened, *read, file.bytes);
  return 0;
}
