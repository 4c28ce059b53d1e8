#include "formats/loader_steps.h"

void copy_range(const file_buffer& file, uint32_t first, uint32_t last, std::span<uint8_t> dest,
                uint32_t at) {
  for (uint32_t offset = first; offset <= last; ++offset) {
    dest[at + (offset - first)] = file[static_cast<uint16_t>(offset)];
  }
}

void copy_to_screen_ram(const file_buffer& file, uint32_t first, uint32_t last,
                        std::span<uint8_t, 8192> screen, uint32_t ram) {
  for (uint32_t offset = first; offset <= last; ++offset) {
    screen[(offset - first) * 8 + ram] = file[static_cast<uint16_t>(offset)];
  }
}

void copy_screen_rams_in_turn(const file_buffer& file, uint32_t first,
                              std::span<uint8_t, 8192> screen, uint32_t first_ram,
                              uint32_t last_ram) {
  for (uint32_t ram = first_ram; ram <= last_ram; ++ram) {
    const uint32_t start = first + (ram - first_ram) * screen_ram_cells;
    copy_to_screen_ram(file, start, start + screen_ram_cells - 1, screen, ram);
  }
}

void copy_eight_screen_rams(const file_buffer& file, uint32_t first,
                            std::span<uint8_t, 8192> screen) {
  copy_screen_rams_in_turn(file, first, screen, 0, 7);
}

void spread_screen_ram_0(std::span<uint8_t, 8192> screen) {
  for (uint32_t cell = 0; cell < screen_ram_cells; ++cell) {
    for (uint32_t ram = 1; ram < 8; ++ram) screen[cell * 8 + ram] = screen[cell * 8];
  }
}
