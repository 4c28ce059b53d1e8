#include "formats/format_table.h"

namespace {
constexpr bool table_in_order() {
  for (size_t k = 0; k < format_table.size(); ++k) {
    if (format_table[k].id != k + 1) return false;
  }
  return true;
}
static_assert(table_in_order());

// A format is shown exactly when it has frames, a layout and a decoding, and every step of its
// layout stays inside the model and reads nothing beyond the format's file.
constexpr bool layouts_consistent() {
  for (const format_entry& format : format_table) {
    if ((format.frames != 0) != format.shown()) return false;
    if ((format.decode != decoding::none) != format.shown()) return false;
    for (const layout_step& step : format.layout.view()) {
      if (!step_fits(step) || step.last >= format.sizes[0]) return false;
    }
  }
  return true;
}
static_assert(layouts_consistent());

// Sizes are compared as numbers, so their decimal texts must fit the digits accepted below.
constexpr size_t max_size_digits = 5;
static_assert(largest_format_size < 100000);
}  // namespace

const format_entry* format_by_id(uint8_t id) {
  if (id == 0 || id > format_table.size()) return nullptr;
  return &format_table[id - 1];
}

uint8_t format_id_by_size(int64_t size) {
  if (size <= 0) return 0;
  for (const format_entry& format : format_table) {
    for (int32_t listed : format.sizes) {
      if (listed == size) return format.id;
    }
  }
  return 0;
}

std::string_view format_name_by_size(int32_t size) {
  return format_names[format_id_by_size(size)];
}

uint8_t format_id_by_size_text(std::string_view text) {
  if (text.empty() || text.size() > max_size_digits || text.front() == '0') return 0;
  int64_t size = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return 0;
    size = size * 10 + (digit - '0');
  }
  return format_id_by_size(size);
}

void load_picture(const format_entry& format, const file_buffer& file, picture_model& model) {
  load_layout(format.layout.view(), file, model);
}
