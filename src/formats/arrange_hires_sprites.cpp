// Hires bitmaps with hires sprites over them (the Super Hires pictures and their kin): the
// display program lays one or two layers of sprites, 24 pixels wide side by side, over the
// bitmap and moves them down every 21 lines, so a sprite's line y shows its row y % 21. The
// first layer covers the second; both cover the bitmap.
#include <algorithm>
#include <array>

#include "formats/arrangement_families.h"
#include "formats/raster_drawing.h"
#include "formats/run_streams.h"

namespace {

constexpr int sprite_width = 24;
constexpr int sprite_lines = 21;
constexpr size_t block_bytes = 64;

using bytes = std::span<const uint8_t>;

// The three bytes of a sprite's row: at data[at], data[at + step] and data[at + 2 * step].
struct sprite_bytes {
  size_t at = 0;
  size_t step = 1;
};

// The row of line y of a sprite whose 64-byte blocks follow each other down the picture.
constexpr sprite_bytes block_row(size_t first, size_t block, int y) {
  return {first + block * block_bytes + static_cast<size_t>(y % sprite_lines) * 3};
}

void put_sprite(raster_frame& frame, int y, int slot, int x, bytes data, sprite_bytes row,
                uint8_t colour) {
  frame.sprites[y].sprites[slot] = {
      .x = static_cast<int16_t>(x),
      .data = {data[row.at], data[row.at + row.step], data[row.at + 2 * row.step]},
      .colour = static_cast<uint8_t>(colour & 15),
      .shown = true};
}

// Where a frame's bitmap and its colours lie.
enum class cell_order : uint8_t {
  cells,    // cells of eight bytes row by row, one screen byte a cell
  fli,      // the same, with a screen RAM of 1 KiB for each raster line of a cell
  columns,  // cells row by row, one screen byte a column for the whole height
  lines,    // one byte a line and column for the bitmap and for the colours
};

struct bitmap_place {
  size_t bitmap = 0;
  size_t screen = 0;
  int stride = 40;  // cells (or bytes, by lines) a row
  cell_order order = cell_order::cells;
  int first_line = 0;  // the bitmap line that the picture's first line shows
};

raster_cell bitmap_cell(bytes data, const bitmap_place& place, int y, int column) {
  const int line = y + place.first_line;
  const size_t cell = static_cast<size_t>(line / 8) * place.stride + column;
  const size_t row = static_cast<size_t>(line % 8);
  switch (place.order) {
    case cell_order::cells:
      return bitmap_hires_cell(data[place.bitmap + cell * 8 + row], data[place.screen + cell]);
    case cell_order::fli:
      return bitmap_hires_cell(data[place.bitmap + cell * 8 + row],
                               data[place.screen + row * 1024 + cell]);
    case cell_order::columns:
      return bitmap_hires_cell(data[place.bitmap + cell * 8 + row],
                               data[place.screen + static_cast<size_t>(column)]);
    case cell_order::lines: {
      const size_t at = static_cast<size_t>(line) * place.stride + column;
      return bitmap_hires_cell(data[place.bitmap + at], data[place.screen + at]);
    }
  }
  return {};
}

void draw_bitmap(raster_frame& frame, canvas_size canvas, bytes data, const bitmap_place& place) {
  for (int y = 0; y < canvas.height; ++y)
    for (int column = 0; column < canvas.columns(); ++column)
      frame.cell(y, column) = bitmap_cell(data, place, y, column);
}

// Unpacks size bytes into scratch from offset at on; the unpacked file, scratch's first at + size
// bytes.
result<bytes> unpack_into(run_scheme scheme, packed_bytes in, uint8_t escape, file_buffer& scratch,
                          size_t at, size_t size, bool backward_fill = false) {
  const std::span<uint8_t> out(scratch.bytes.data() + at, size);
  if (result<> done = unpack_runs(scheme, in, escape, out, backward_fill); !done) return done.why();
  return bytes(scratch.bytes.data(), at + size);
}

// Two layers of four sprites over the picture's left 96 pixels, the first layer in slots 0..3.
constexpr int layer_sprites = 4;

}  // namespace

// Two frames of a 24-column bitmap, each with a layer of eight sprites, sharing one screen RAM
// and the sprites' colours. A file with byte 2 not 0 is packed: from byte 3 on, a command byte c
// below 128 is followed by c plain bytes, from 128 on by one byte repeated c - 128 times.
result<> arrange_esh(bytes file, file_buffer& scratch, picture_model& model) {
  constexpr size_t plain_size = 20454, data_end = 20452;
  if (file.size() < 5) return failure{"no ESH picture"};
  bytes data = file;
  if (file[2] != 0) {
    const result<bytes> unpacked = unpack_into(run_scheme::packbits, packed_bytes::forward(file, 3),
                                               0, scratch, 3, data_end - 3);
    if (!unpacked) return unpacked.why();
    data = *unpacked;
  } else if (file.size() != plain_size) {
    return failure{"an unpacked ESH picture is 20454 bytes"};
  }
  const canvas_size canvas{192, 200};
  begin_raster(model, canvas);
  for (int f = 0; f < 2; ++f) {
    raster_frame& frame = model.raster[f];
    draw_bitmap(frame, canvas, data, {.bitmap = 3 + f * 4800u, .screen = 19843, .stride = 24});
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < 8; ++k)
        put_sprite(frame, y, k, k * sprite_width, data,
                   block_row(9603 + f * 5120u, y / sprite_lines * 8 + k, y), data[20443 + k]);
  }
  return {};
}

// Two frames of 15368 bytes: a bitmap, two layers of four sprites (ten blocks down each column)
// over its left 96 pixels, the screen colours and the layers' colours.
result<> arrange_ish(bytes file, picture_model& model) {
  if (file.size() != 30738) return failure{"an ISH picture is 30738 bytes"};
  const canvas_size canvas{320, 200};
  begin_raster(model, canvas);
  for (int f = 0; f < 2; ++f) {
    const size_t base = 2 + f * 15368u;
    raster_frame& frame = model.raster[f];
    draw_bitmap(frame, canvas, file,
                {.bitmap = base, .screen = base + 13312, .order = cell_order::columns});
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < layer_sprites; ++k) {
        const size_t block = static_cast<size_t>(k) * 10 + y / sprite_lines;
        put_sprite(frame, y, k, k * sprite_width, file, block_row(base + 10752, block, y),
                   file[base + 15364 + k]);
        put_sprite(frame, y, layer_sprites + k, k * sprite_width, file,
                   block_row(base + 8192, block, y), file[base + 15360 + k]);
      }
  }
  return {};
}
