// Fuzz harness: lists arbitrary archives as the browser and the list command do, reads their
// first entries and enters the first container inside. The first input byte picks the name the
// archive is given (zip, 7z, tar.gz, lha, gz, d64.gz); the rest is the archive. Built by
// scripts/fuzz with clang's libFuzzer and sanitizers.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "listing/container_rows.h"

namespace {

constexpr std::array<const char*, 6> names = {"a.zip", "a.7z",     "a.tar.gz",
                                              "a.lha", "a.koa.gz", "a.d64.gz"};
constexpr size_t entries_read = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const auto opened = std::make_unique<container_stack>();
  static file_buffer file;
  static container_listing listing;
  static container_listing inner;
  const std::string name = names[data[0] % names.size()];
  if (!opened->open_bytes(name, std::span(data + 1, size - 1))) return 0;
  list_folder(*opened, "", listing);
  list_all_entries(*opened, listing);
  if (listing.rows.size() > max_container_entries) __builtin_trap();
  for (size_t k = 0; k < listing.rows.size() && k < entries_read; ++k) {
    const result<entry_bytes> read = opened->read(listing.rows[k].entry, file.bytes);
    if (read && read->size > file.bytes.size()) __builtin_trap();
  }
  for (const entry_row& row : listing.rows) {
    if (row.role != row_role::container || !opened->enter(row.entry)) continue;
    list_all_entries(*opened, inner);
    opened->leave();
    break;
  }
  return 0;
}
