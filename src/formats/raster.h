#pragma once
// A picture as the video chip shows it, raster line by raster line: for every eight pixels of a
// line the graphics byte and the colours its bits choose, and the sprites over or under them.
// Bitmaps, character screens, FLI tricks and sprite multiplexing all come down to this.
#include <array>
#include <cstdint>

// The largest picture: a page of 640 x 400 hires pixels.
constexpr int max_canvas_width = 640;
constexpr int max_canvas_height = 400;
constexpr int raster_columns = max_canvas_width / 8;

// A picture's size in hires pixels; a multicolour pixel is two of them. A picture cut from a
// grid of cells at a fine offset shows the raster from hires column left and line top on.
struct canvas_size {
  uint16_t width = 320;
  uint16_t height = 200;
  uint8_t left = 0;
  uint8_t top = 0;

  constexpr bool operator==(const canvas_size&) const = default;
  constexpr int columns() const { return (width + 7) / 8; }
};

// Eight pixels of one raster line. Hires: a clear bit shows colours[0], a set bit colours[1].
// Multicolour: each pair of bits, leftmost in bits 7-6, shows colours[pair] over two pixels.
// The bits that set the foreground (hires 1, multicolour 10 and 11) cover sprites behind it.
struct raster_cell {
  uint8_t graphics = 0;
  bool multicolor = false;
  std::array<uint8_t, 4> colours{};

  constexpr bool operator==(const raster_cell&) const = default;
};

// One sprite's part of one raster line: its 24 bits there, leftmost in the first byte's bit 7.
// A set bit of a hires sprite shows its colour; a multicolour sprite's pairs show nothing (00),
// the line's multicolour 1 (01), its colour (10) or multicolour 2 (11). X-expanded, each bit or
// pair is twice as wide. Sprites behind the graphics show only where no foreground bit is set.
struct sprite_row {
  int16_t x = 0;  // the canvas column of its leftmost pixel
  std::array<uint8_t, 3> data{};
  uint8_t colour = 0;
  bool shown = false;
  bool multicolor = false;
  bool x_expanded = false;
  bool behind = false;

  constexpr bool operator==(const sprite_row&) const = default;
};

// The video chip's eight sprites, or a sheet's row of sixteen. Where sprites overlap, the one
// earlier in the list shows; whether it hides behind the graphics is its own choice.
constexpr int max_sprites_per_line = 16;

struct sprite_line {
  std::array<sprite_row, max_sprites_per_line> sprites{};
  uint8_t multicolor_1 = 0;
  uint8_t multicolor_2 = 0;
};

// One frame: cell (line y, column c) at y * raster_columns + c, and the sprites of each line.
struct raster_frame {
  std::array<raster_cell, raster_columns * max_canvas_height> cells{};
  std::array<sprite_line, max_canvas_height> sprites{};

  raster_cell& cell(int y, int column) { return cells[y * raster_columns + column]; }
  const raster_cell& cell(int y, int column) const { return cells[y * raster_columns + column]; }
};

// The C64's character ROM as the video chip reads it in text mode: the 256 glyphs of the
// upper-case and graphics set, then the 256 of the lower-case set, eight bytes each, top row
// first, leftmost pixel in bit 7.
constexpr int character_rom_size = 4096;

struct character_rom {
  std::array<uint8_t, character_rom_size> bytes{};
  bool own_glyphs = false;  // our own drawing of the sets rather than a C64's ROM
};
