#pragma once
// Where the sprites under a Crest UFLI picture keep their pixels and colours in the sprite
// bank. Six X- and Y-expanded sprites, 48 pixels wide, lie side by side from x 24; two sets of
// six take turns every two raster lines, and every 40 lines both take the next blocks. The rows
// are timed so that each sprite bit stands for two pixels of one raster line.
#include <array>
#include <cstdint>

namespace ufli_sprites {

constexpr int first_x = 24;
constexpr int sprite_width = 48;
constexpr int columns = 6;
constexpr int end_x = first_x + columns * sprite_width;

// The colour bytes after the 60 sprite blocks: 1 at mode_flag gives each sprite column its own
// colour from column_colours on, any other value the one colour at single_colour.
constexpr uint16_t mode_flag = 0xFEF;
constexpr uint16_t single_colour = 0xFF0;
constexpr uint16_t column_colours = 0xFF2;

struct sprite_bit {
  uint16_t offset;  // in the sprite bank
  uint8_t mask;
};

constexpr bool covers(int x) {
  return x >= first_x && x < end_x;
}

// The sprite column (0..5) over picture column x, for x that covers() takes.
constexpr int column_of(int x) {
  return (x - first_x) / sprite_width;
}

// The sprite bit under pixel (x, y), for x that covers() takes.
constexpr sprite_bit bit_under(int x, int y) {
  const int across = x - first_x;
  const int block = y / 40 * 12 + (y & 2 ? columns : 0) + across / sprite_width;
  const int row = (y + 1) / 2 % 21;
  return {static_cast<uint16_t>(block * 64 + row * 3 + across % sprite_width / 16),
          static_cast<uint8_t>(0x80 >> (across / 2 % 8))};
}

constexpr uint8_t colour_of_column(const std::array<uint8_t, 4096>& bank, int column) {
  return bank[mode_flag] == 1 ? bank[column_colours + column] : bank[single_colour];
}

static_assert(bit_under(end_x - 1, 199).offset < mode_flag, "sprite blocks end before colours");

}  // namespace ufli_sprites
