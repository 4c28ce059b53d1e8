#include "formats/picture_layout.h"

#include <algorithm>

namespace {

void spread_screen_ram_0(std::span<uint8_t> screen) {
  for (uint32_t cell = 0; cell < screen_ram_cells; ++cell) {
    std::fill_n(screen.begin() + cell * 8 + 1, 7, screen[cell * 8]);
  }
}

}  // namespace

void load_layout(std::span<const layout_step> steps, const file_buffer& file,
                 picture_model& model) {
  for (const layout_step& step : steps) {
    const std::span<uint8_t> part = part_bytes(model, step.part);
    switch (step.kind) {
      case step_kind::copy:
        // The file's bytes from first to last go in order to the part from at.
        std::copy_n(file.bytes.begin() + step.first, uint32_t{step.last} - step.first + 1,
                    part.begin() + step.at);
        break;
      case step_kind::screen_rams:
        for (uint32_t k = 0; k <= uint32_t{step.last} - step.first; ++k) {
          part[part_index(step, k)] = file[static_cast<uint16_t>(step.first + k)];
        }
        break;
      case step_kind::fill:
        std::fill_n(part.begin(), step.count, step.value);
        break;
      case step_kind::fill_from_file:
        std::fill(part.begin(), part.end(), file[step.first]);
        break;
      case step_kind::spread_screen_ram_0:
        spread_screen_ram_0(part);
        break;
      case step_kind::copy_part: {
        const std::span<const uint8_t> source = part_bytes(model, step.source);
        std::copy(source.begin(), source.end(), part.begin());
        break;
      }
      case step_kind::lead_in:
        break;
    }
  }
}
