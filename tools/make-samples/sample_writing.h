#pragma once
// What the writers of the arranged formats' samples share.
#include <array>
#include <cstdint>
#include <string_view>

#include "base/file_buffer.h"
#include "c64_colours.h"

inline void put(file_buffer& file, uint32_t offset, uint8_t value) {
  file[static_cast<uint16_t>(offset)] = value;
}

inline void put_text(file_buffer& file, uint32_t offset, std::string_view text) {
  for (const char ch : text) put(file, offset++, static_cast<uint8_t>(ch));
}

// The position of the colour among the first count choices that looks nearest to it.
template <size_t size>
int nearest_choice(uint8_t colour, const std::array<uint8_t, size>& choices, size_t count = size) {
  size_t best = 0;
  for (size_t k = 1; k < count; ++k)
    if (colour_distance(colour, choices[k]) < colour_distance(colour, choices[best])) best = k;
  return static_cast<int>(best);
}
