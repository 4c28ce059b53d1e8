#include "browser/name_list.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "base/ascii_case.h"

namespace {

constexpr unsigned char upper_byte(char c) {
  return static_cast<unsigned char>(ascii_upper_char(c));
}

}  // namespace

void name_list_add(name_list& list, std::string_view name, int64_t size, uint8_t format_id,
                   std::string_view marker) {
  name_entry& entry = list.entries.emplace_back();
  entry.host_name.assign(name);
  entry.name.assign(name);
  if (!entry.name.empty()) entry.name[0] = ascii_upper_char(entry.name[0]);
  entry.size = size;
  entry.format_id = format_id;
  entry.marker.assign(marker);
}

const name_entry& name_list_get(const name_list& list, int index) {
  return list.entries[static_cast<size_t>(index)];
}

int name_list_count(const name_list& list) {
  return static_cast<int>(list.entries.size());
}

void name_list_clear(name_list& list) {
  list.entries.clear();
}

// Entries are large: their places are sorted, then each entry is moved once.
void name_list_sort(name_list& list) {
  std::vector<uint32_t> order(list.entries.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&list](uint32_t a, uint32_t b) {
    return compare_names(list.entries[a].name, list.entries[b].name) < 0;
  });
  std::vector<name_entry> sorted;
  sorted.reserve(order.size());
  for (const uint32_t k : order) sorted.push_back(std::move(list.entries[k]));
  list.entries = std::move(sorted);
}

int compare_names(std::string_view first, std::string_view second) {
  const size_t common = std::min(first.size(), second.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char a = upper_byte(first[i]), b = upper_byte(second[i]);
    if (a != b) return a > b ? 1 : -11;
  }
  if (first.size() == second.size()) return 0;
  return first.size() > second.size() ? 1 : -11;
}
