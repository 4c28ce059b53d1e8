// Fuzz harness: arbitrary names through the listing's name handling and size-text lookup.
// The input is split at zero bytes into names; each is also tried as a size column text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "browser/name_list.h"
#include "d64/d64_rows.h"
#include "formats/format_table.h"

namespace {

name_list names;

void check_name(std::string_view name) {
  const uint8_t id = format_id_by_size_text(name);
  if (id > 17) __builtin_trap();
  // A text that names a format is exactly the decimal form of one of its sizes.
  if (id != 0 && format_id_by_size(std::stoll(std::string(name))) != id) __builtin_trap();
  const std::string escaped = escape_d64_name(name);
  for (const char c : escaped) {
    if (c < 0x20 || c > 0x7E) __builtin_trap();
  }
  if (compare_names(name, name) != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  name_list_clear(names);
  size_t start = 0;
  while (start <= input.size()) {
    const size_t end = std::min(input.find('\0', start), input.size());
    const std::string_view name = input.substr(start, end - start);
    check_name(name);
    if (!name.empty()) name_list_add(names, name, static_cast<int64_t>(name.size()));
    start = end + 1;
  }
  name_list_sort(names);
  // Sorted means no entry sorts after the next one; the order is total, so this must hold.
  for (int k = 1; k < name_list_count(names); ++k) {
    if (compare_names(name_list_get(names, k - 1).name, name_list_get(names, k).name) > 0)
      __builtin_trap();
  }
  return 0;
}
