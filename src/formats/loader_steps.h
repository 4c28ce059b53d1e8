#pragma once
// The recurring copy steps of the loaders. File offsets are inclusive ranges of file_buffer.
#include <cstdint>
#include <span>

#include "formats/picture_model.h"

constexpr uint32_t screen_ram_cells = 1024;

// Copies file offsets first..last, in order, to dest[at], dest[at + 1], ...
void copy_range(const file_buffer& file, uint32_t first, uint32_t last, std::span<uint8_t> dest,
                uint32_t at);

// Copies file offsets first..last to screen RAM ram of screen, cells 0, 1, ...
void copy_to_screen_ram(const file_buffer& file, uint32_t first, uint32_t last,
                        std::span<uint8_t, 8192> screen, uint32_t ram);

// Copies 1024 file bytes per screen RAM, from offset first on, to screen RAMs
// first_ram..last_ram in turn: offset first + (r - first_ram) * 1024 + c goes to c * 8 + r.
void copy_screen_rams_in_turn(const file_buffer& file, uint32_t first,
                              std::span<uint8_t, 8192> screen, uint32_t first_ram,
                              uint32_t last_ram);

// Copies 8192 file bytes from offset first on to screen RAMs 0..7 in turn.
void copy_eight_screen_rams(const file_buffer& file, uint32_t first,
                            std::span<uint8_t, 8192> screen);

// Sets screen RAMs 1..7 of every cell to the cell's screen RAM 0 byte.
void spread_screen_ram_0(std::span<uint8_t, 8192> screen);
