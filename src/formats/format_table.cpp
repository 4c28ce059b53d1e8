#include "formats/format_table.h"

#include <algorithm>

namespace {
constexpr bool table_in_order() {
  for (size_t k = 0; k < format_table.size(); ++k) {
    if (format_table[k].id != k + 1) return false;
  }
  return true;
}
static_assert(table_in_order());

// Every format has a layout; every step of its layout stays inside the model and reads nothing
// beyond the format's (unpacked) file, the shortest where it has several sizes; a packed format
// has an unpacked size (and a longer one only beyond it) and no sizes of its own.
constexpr bool layouts_consistent() {
  for (const format_entry& format : format_table) {
    if (format.arrange != arrangement::none) {
      if (!format.layout.empty() || format.pack != packing::none) return false;
      continue;
    }
    if (format.layout.empty()) return false;
    const bool packed = format.pack != packing::none;
    if (packed != (format.unpacked_size != 0) || (packed && format.sizes[0] != 0)) return false;
    if (format.longer_unpacked_size != 0 && format.longer_unpacked_size <= format.unpacked_size)
      return false;
    if (format.size_without_load_address != 0 &&
        (packed || format.size_without_load_address + 2 < format.shortest_size()))
      return false;
    const int32_t file_size = packed ? format.unpacked_size : format.shortest_size();
    for (const layout_step& step : format.layout.view()) {
      if (!step_fits(step) || step.last >= file_size) return false;
    }
  }
  return true;
}
static_assert(layouts_consistent());

constexpr bool names_fit_the_caption() {
  return std::all_of(format_table.begin(), format_table.end(),
                     [](const format_entry& format) { return format.name.size() <= 30; });
}
static_assert(names_fit_the_caption());

}  // namespace

const format_entry* format_by_id(uint8_t id) {
  if (id == 0 || id > format_table.size()) return nullptr;
  return &format_table[id - 1];
}

std::string_view format_name(uint8_t id) {
  const format_entry* format = format_by_id(id);
  return format ? format->name.view() : unknown_format_name;
}

uint8_t format_id_by_size(int64_t size) {
  for (size_t k = 0; k < size_table_formats; ++k)
    if (format_table[k].has_size(size)) return format_table[k].id;
  return 0;
}

result<> load_picture(const format_entry& format, const file_buffer& file, uint32_t file_size,
                      file_buffer& unpacked, picture_model& model) {
  if (format.arrange != arrangement::none)
    return arrange_picture(format.arrange,
                           std::span(file.bytes).first(std::min<size_t>(file_size, 65536)),
                           unpacked, model);
  const file_buffer* bytes = &file;
  if (format.pack != packing::none) {
    const std::span<const uint8_t> packed(file.bytes.data(), std::min<size_t>(file_size, 65536));
    result<> done = unpack(format.pack, packed, format.unpacks_to(), unpacked);
    if (!done) return done;
    bytes = &unpacked;
  } else if (format.size_without_load_address != 0 &&
             file_size == static_cast<uint32_t>(format.size_without_load_address)) {
    // The layout counts the load address as offsets 0..1: the data move up behind one.
    const uint16_t address = format.recognised.load_addresses[0];
    unpacked[0] = static_cast<uint8_t>(address & 0xFF);
    unpacked[1] = static_cast<uint8_t>(address >> 8);
    std::copy_n(file.bytes.begin(), file_size, unpacked.bytes.begin() + 2);
    bytes = &unpacked;
  }
  load_layout(format.layout.view(), *bytes, model);
  // The layouts' pictures are one screen.
  model.canvas = canvas_size{};
  model.drawn_with_own_glyphs = false;
  model.cropped = false;
  return {};
}
