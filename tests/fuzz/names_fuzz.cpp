// Fuzz harness: arbitrary names through the listing's name handling, identification by name
// and the escaping of names for text output. The input is split at zero bytes into names.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/escaped_text.h"
#include "browser/name_list.h"
#include "formats/format_table.h"
#include "formats/identify.h"

namespace {

name_list names;

void check_name(std::string_view name) {
  // The name's own bytes stand for the file's, so packed formats unpack them.
  const auto bytes = reinterpret_cast<const uint8_t*>(name.data());
  const uint8_t id = identify_file(name, static_cast<int64_t>(name.size()), [&](uint32_t count) {
    return std::span<const uint8_t>(bytes, std::min<size_t>(count, name.size()));
  });
  if (id != 0 && format_by_id(id) == nullptr) __builtin_trap();
  const std::string escaped = escaped_text(name);
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] < 0x20 || escaped[i] > 0x7E) __builtin_trap();
    if (escaped[i] == '\\' && escaped.compare(i, 2, "\\x") != 0) __builtin_trap();
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
