#include "browser/name_list.h"

#include <algorithm>
#include <cstdint>

#include "base/ascii_case.h"

namespace {

constexpr unsigned char upper_byte(char c) {
  return static_cast<unsigned char>(ascii_upper_char(c));
}

}  // namespace

name_entry& name_list_add(name_list& list, std::string_view name, int64_t size, uint8_t format_id,
                          std::string_view marker) {
  if (list.count == list.entries.size()) list.entries.emplace_back();
  list.order.push_back(static_cast<uint32_t>(list.count));
  name_entry& entry = list.entries[list.count++];
  entry.host_name.assign(name);
  entry.name.assign(name);
  if (!entry.name.empty()) entry.name[0] = ascii_upper_char(entry.name[0]);
  entry.size = size;
  entry.format_id = format_id;
  entry.marker.assign(marker);
  entry.c64_name.clear();
  return entry;
}

const name_entry& name_list_get(const name_list& list, int index) {
  return list.entries[list.order[static_cast<size_t>(index)]];
}

int name_list_count(const name_list& list) {
  return static_cast<int>(list.count);
}

void name_list_clear(name_list& list) {
  list.count = 0;
  list.order.clear();
}

void name_list_sort(name_list& list) {
  std::sort(list.order.begin(), list.order.end(), [&list](uint32_t a, uint32_t b) {
    return compare_names(list.entries[a].name, list.entries[b].name) < 0;
  });
}

int compare_names(std::string_view first, std::string_view second) {
  const size_t common = std::min(first.size(), second.size());
  for (size_t i = 0; i < common; ++i) {
    // Names in one folder share long stretches byte for byte: only a difference is folded.
    if (first[i] == second[i]) continue;
    const unsigned char a = upper_byte(first[i]), b = upper_byte(second[i]);
    if (a != b) return a > b ? 1 : -11;
  }
  if (first.size() == second.size()) return 0;
  return first.size() > second.size() ? 1 : -11;
}
