#pragma once
// The list of (name, size) pairs that a host listing fills one group of entries at a time,
// sorts and writes into the grid.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct name_entry {
  std::string name;        // shown name: the host name with its first character upper-cased
  std::string host_name;   // the name as the host has it, used to open the entry
  int64_t size = 0;        // bytes; 0 when there is no size to show
  uint8_t format_id = 0;   // the picture format of a picture file
  std::string marker{};    // the entry's own type marker, where its group's rows differ
  std::string c64_name{};  // a PC64 file's own C64 name
};

// Entries are kept between listings and overwritten in place, so relisting a folder reuses
// their names' buffers; sorting orders their places, never the large entries themselves.
struct name_list {
  std::vector<name_entry> entries;
  size_t count = 0;
  std::vector<uint32_t> order;  // entries' places in sorted order, after name_list_sort
};

// Appends the pair and returns its entry, storing the name with its first character upper-cased by
// the ASCII rule, and the format of a picture file.
name_entry& name_list_add(name_list& list, std::string_view name, int64_t size,
                          uint8_t format_id = 0, std::string_view marker = {});

// The pair at index, in sorted order once sorted; the caller keeps index below
// name_list_count.
const name_entry& name_list_get(const name_list& list, int index);

// Number of pairs in the list.
int name_list_count(const name_list& list);

// Empties the list.
void name_list_clear(name_list& list);

// Sorts the pairs in ascending compare_names order (not stable).
void name_list_sort(name_list& list);

// 0 when the names are equal ignoring ASCII case, 1 when first sorts after second, else -11.
int compare_names(std::string_view first, std::string_view second);
