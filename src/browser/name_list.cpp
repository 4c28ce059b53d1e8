#include "browser/name_list.h"

#include <algorithm>

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

void name_list_sort(name_list& list) {
  std::sort(list.entries.begin(), list.entries.end(), [](const name_entry& a, const name_entry& b) {
    return compare_names(a.name, b.name) < 0;
  });
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
