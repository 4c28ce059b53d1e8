#include "encoder_steps.h"

namespace {
constexpr uint32_t screen_ram_cells = 1024;
}  // namespace

void store_range(std::span<const uint8_t> src, uint32_t at, file_buffer& file, uint32_t first,
                 uint32_t last) {
  for (uint32_t offset = first; offset <= last; ++offset) {
    file[static_cast<uint16_t>(offset)] = src[at + (offset - first)];
  }
}

void store_screen_ram(std::span<const uint8_t, 8192> screen, uint32_t ram, file_buffer& file,
                      uint32_t first, uint32_t last) {
  for (uint32_t offset = first; offset <= last; ++offset) {
    file[static_cast<uint16_t>(offset)] = screen[(offset - first) * 8 + ram];
  }
}

void store_screen_rams_in_turn(std::span<const uint8_t, 8192> screen, uint32_t first_ram,
                               uint32_t last_ram, file_buffer& file, uint32_t first) {
  for (uint32_t ram = first_ram; ram <= last_ram; ++ram) {
    const uint32_t start = first + (ram - first_ram) * screen_ram_cells;
    store_screen_ram(screen, ram, file, start, start + screen_ram_cells - 1);
  }
}

void store_eight_screen_rams(std::span<const uint8_t, 8192> screen, file_buffer& file,
                             uint32_t first) {
  store_screen_rams_in_turn(screen, 0, 7, file, first);
}
