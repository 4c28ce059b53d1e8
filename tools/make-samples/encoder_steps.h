#pragma once
// The inverse of the loaders' copy steps: model bytes to file offsets (inclusive ranges).
#include <cstdint>
#include <span>

#include "formats/picture_model.h"

// Stores src[at], src[at + 1], ... at file offsets first..last.
void store_range(std::span<const uint8_t> src, uint32_t at, file_buffer& file, uint32_t first,
                 uint32_t last);

// Stores screen RAM ram, cells 0, 1, ..., at file offsets first..last.
void store_screen_ram(std::span<const uint8_t, 8192> screen, uint32_t ram, file_buffer& file,
                      uint32_t first, uint32_t last);

// Stores screen RAMs first_ram..last_ram in turn, 1024 cells each, from offset first on.
void store_screen_rams_in_turn(std::span<const uint8_t, 8192> screen, uint32_t first_ram,
                               uint32_t last_ram, file_buffer& file, uint32_t first);

// Stores screen RAMs 0..7 in turn from offset first on.
void store_eight_screen_rams(std::span<const uint8_t, 8192> screen, file_buffer& file,
                             uint32_t first);
