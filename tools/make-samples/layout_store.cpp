#include "layout_store.h"

void store_picture(const format_entry& format, const picture_model& model, file_buffer& file) {
  for (const layout_step& step : format.layout.view()) {
    const std::span<const uint8_t> part = part_bytes(model, step.part);
    const uint32_t count = uint32_t{step.last} - step.first + 1;
    switch (step.kind) {
      case step_kind::copy:
      case step_kind::screen_rams:
        for (uint32_t k = 0; k < count; ++k) {
          file[static_cast<uint16_t>(step.first + k)] = part[part_index(step, k)];
        }
        break;
      case step_kind::fill_from_file:
      case step_kind::lead_in:
        for (uint32_t k = 0; k < count; ++k) file[static_cast<uint16_t>(step.first + k)] = part[0];
        break;
      case step_kind::fill:
      case step_kind::spread_screen_ram_0:
      case step_kind::copy_part:
        break;  // these read no file bytes
    }
  }
}
