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

namespace {

// A packed file without a load address: its escape byte, then runs "escape count value" (a
// count of 0 gives nothing) between plain bytes.
result<bytes> unpack_escaped_from_0(bytes file, file_buffer& scratch, size_t size) {
  if (file.size() < 3) return failure{"the packed picture is too short"};
  return unpack_into(run_scheme::escape_runs_empty_zero, packed_bytes::forward(file, 1), file[0],
                     scratch, 0, size);
}

// A packed file's sprites lie column by column: the 168 lines of each byte column in turn.
constexpr sprite_bytes column_row(size_t first, int k, int y) {
  return {first + static_cast<size_t>(k) * 3 * 168 + static_cast<size_t>(y), 168};
}

// The sprites' blocks of a Super Hires FLI picture, by raster line % 8 and sprite: the upper
// layer's four, then the lower layer's.
constexpr std::array<uint8_t, 64> shf_blocks = {
    128, 132, 133, 137, 138, 142, 143, 147, 148, 152, 153, 157, 158, 162, 163, 167,
    168, 172, 173, 177, 178, 182, 183, 187, 188, 192, 193, 197, 198, 202, 203, 207,
    208, 212, 213, 217, 218, 222, 223, 227, 228, 232, 233, 234, 235, 236, 237, 238,
    239, 240, 241, 242, 243, 244, 245, 246, 247, 30,  46,  62,  78,  94,  110, 126};

// A packed Super Hires FLI frame, 96 x 167: the upper and the lower layer's pixels, the bitmap
// and the colours, each one byte a line and column, twelve a line.
void draw_shf_lines(raster_frame& frame, bytes data, uint8_t upper, uint8_t lower) {
  const canvas_size canvas{96, 167};
  draw_bitmap(frame, canvas, data,
              {.bitmap = 4096, .screen = 6144, .stride = 12, .order = cell_order::lines});
  for (int y = 0; y < canvas.height; ++y)
    for (int k = 0; k < layer_sprites; ++k) {
      const size_t row = static_cast<size_t>(y) * 12 + static_cast<size_t>(k) * 3;
      put_sprite(frame, y, k, k * sprite_width, data, {row}, upper);
      put_sprite(frame, y, layer_sprites + k, k * sprite_width, data, {2048 + row}, lower);
    }
}

constexpr size_t shf_lines_size = 8170;

// Where a Super Hires FLI interlace frame starts: its packed length plus 37890, the escape byte,
// then the stream, read from its end down.
struct sif_frame {
  size_t at = 0;
  size_t end = 0;
};

result<sif_frame> sif_frame_at(bytes file, size_t at) {
  if (at + 5 >= file.size()) return failure{"no Super Hires FLI interlace frame"};
  const int length = (file[at] | file[at + 1] << 8) - 37890;
  if (length <= 0 || at + 2 + static_cast<size_t>(length) > file.size())
    return failure{"the frame's length runs past the file"};
  return sif_frame{at, at + 2 + static_cast<size_t>(length)};
}

}  // namespace

// 96 x 168, two layers of four sprites, eight blocks down each column. A packed file keeps its
// sprites by columns and one colour byte a sprite column, the upper layer's in its high nibble.
result<> arrange_sh1(bytes file, file_buffer& scratch, picture_model& model) {
  const canvas_size canvas{96, 168};
  if (file.size() == 14770) {
    begin_raster(model, canvas);
    raster_frame& frame = model.raster[0];
    draw_bitmap(frame, canvas, file, {.bitmap = 6690, .screen = 448});
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < layer_sprites; ++k) {
        const size_t block = static_cast<size_t>(y / sprite_lines) * 4 + k;
        put_sprite(frame, y, k, k * sprite_width, file, block_row(4530, block, y), file[430 + k]);
        put_sprite(frame, y, layer_sprites + k, k * sprite_width, file, block_row(2482, block, y),
                   file[426 + k]);
      }
    return {};
  }
  const result<bytes> data = unpack_escaped_from_0(file, scratch, 6304);
  if (!data) return data.why();
  begin_raster(model, canvas);
  raster_frame& frame = model.raster[0];
  draw_bitmap(frame, canvas, *data, {.bitmap = 0, .screen = 6048, .stride = 12});
  for (int y = 0; y < canvas.height; ++y)
    for (int k = 0; k < layer_sprites; ++k) {
      const uint8_t colours = (*data)[6300 + k];
      put_sprite(frame, y, k, k * sprite_width, *data, column_row(4032, k, y), colours >> 4);
      put_sprite(frame, y, layer_sprites + k, k * sprite_width, *data, column_row(2016, k, y),
                 colours);
    }
  return {};
}

// 192 x 168, one layer of eight sprites; packed, as Super Hires 96 x 168 is.
result<> arrange_sh2(bytes file, file_buffer& scratch, picture_model& model) {
  const canvas_size canvas{192, 168};
  bytes data = file;
  bitmap_place place{.bitmap = 6642, .screen = 442};
  if (file.size() != 14770) {
    const result<bytes> unpacked = unpack_escaped_from_0(file, scratch, 8576);
    if (!unpacked) return unpacked.why();
    data = *unpacked;
    place = {.bitmap = 0, .screen = 8064, .stride = 24};
  }
  const bool packed = data.data() != file.data();
  begin_raster(model, canvas);
  raster_frame& frame = model.raster[0];
  draw_bitmap(frame, canvas, data, place);
  for (int y = 0; y < canvas.height; ++y)
    for (int k = 0; k < 8; ++k) {
      const size_t block = static_cast<size_t>(y / sprite_lines) * 8 + k;
      put_sprite(frame, y, k, k * sprite_width, data,
                 packed ? column_row(4032, k, y) : block_row(2482, block, y),
                 data[(packed ? 8568 : 426) + k]);
    }
  return {};
}

// 96 x 88 with two layers of four sprites over its upper 84 lines, or 192 x 168 with one layer
// of eight from its second line on.
result<> arrange_she(bytes file, picture_model& model) {
  if (file.size() == 3250) {
    const canvas_size canvas{96, 88};
    begin_raster(model, canvas);
    raster_frame& frame = model.raster[0];
    draw_bitmap(frame, canvas, file, {.bitmap = 2, .screen = 1058, .stride = 12});
    for (int y = 0; y < 4 * sprite_lines; ++y)
      for (int k = 0; k < layer_sprites; ++k) {
        const size_t block = static_cast<size_t>(y / sprite_lines) * 8 + k;
        put_sprite(frame, y, k, k * sprite_width, file, block_row(1446, block, y), file[3239]);
        put_sprite(frame, y, layer_sprites + k, k * sprite_width, file, block_row(1190, block, y),
                   file[3238]);
      }
    return {};
  }
  if (file.size() != 8642) return failure{"a Super Hires Editor picture is 3250 or 8642 bytes"};
  const canvas_size canvas{192, 168};
  begin_raster(model, canvas);
  raster_frame& frame = model.raster[0];
  draw_bitmap(frame, canvas, file, {.bitmap = 2, .screen = 8130, .stride = 24});
  for (int y = 1; y < canvas.height; ++y)
    for (int k = 0; k < 8; ++k) {
      const size_t block = static_cast<size_t>((y - 1) / sprite_lines) * 8 + k;
      put_sprite(frame, y, k, k * sprite_width, file, block_row(4034, block, y - 1),
                 file[8634 + k]);
    }
  return {};
}

// A 320 x 200 bitmap with two layers of four sprites, eight blocks down each column, over the
// 96 x 168 pixels from (16, 17).
result<> arrange_shs(bytes file, picture_model& model) {
  if (file.size() != 14338) return failure{"a Super Hires sprites picture is 14338 bytes"};
  const canvas_size canvas{320, 200};
  constexpr int left = 16, top = 17;
  begin_raster(model, canvas);
  raster_frame& frame = model.raster[0];
  draw_bitmap(frame, canvas, file, {.bitmap = 2, .screen = 13314});
  for (int y = top; y < top + 8 * sprite_lines; ++y)
    for (int k = 0; k < layer_sprites; ++k) {
      const int line = y - top;
      const size_t block = static_cast<size_t>(k) * 8 + line / sprite_lines;
      const int x = left + k * sprite_width;
      put_sprite(frame, y, k, x, file, block_row(10242, block, line), file[8006 + k]);
      put_sprite(frame, y, layer_sprites + k, x, file, block_row(8194, block, line),
                 file[8002 + k]);
    }
  return {};
}

// Two frames of 96 x 200 sharing their screen RAM and sprite colours, each with two layers of
// four sprites; packed as ESH pictures are.
result<> arrange_shi(bytes file, file_buffer& scratch, picture_model& model) {
  constexpr size_t plain_size = 15355;
  bytes data = file;
  if (file.size() != plain_size || file.size() < 3 || file[2] != 0) {
    const result<bytes> unpacked = unpack_into(run_scheme::packbits, packed_bytes::forward(file, 3),
                                               0, scratch, 3, plain_size - 3);
    if (!unpacked) return unpacked.why();
    data = *unpacked;
  }
  const canvas_size canvas{96, 200};
  begin_raster(model, canvas);
  for (int f = 0; f < 2; ++f) {
    raster_frame& frame = model.raster[f];
    draw_bitmap(frame, canvas, data, {.bitmap = 3 + f * 2400u, .screen = 15043, .stride = 12});
    const size_t upper = 4803 + f * 5120u;
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < layer_sprites; ++k) {
        const size_t block = static_cast<size_t>(y / sprite_lines) * 8 + k;
        put_sprite(frame, y, k, k * sprite_width, data, block_row(upper, block, y),
                   data[15343 + k]);
        put_sprite(frame, y, layer_sprites + k, k * sprite_width, data,
                   block_row(upper + 4 * block_bytes, block, y), data[15347 + k]);
      }
  }
  return {};
}

// 208 x 167, an FLI bitmap one line down, with two layers of four sprites over its left 96
// pixels taking other blocks every line. A packed file holds a 96 x 167 picture: the escape
// byte at 2, then runs "escape count value" (a count of 0 is 256).
result<> arrange_shf(bytes file, file_buffer& scratch, picture_model& model) {
  if (file.size() == 15874) {
    const canvas_size canvas{208, 167};
    begin_raster(model, canvas);
    raster_frame& frame = model.raster[0];
    draw_bitmap(frame, canvas, file,
                {.bitmap = 8306, .screen = 16, .order = cell_order::fli, .first_line = 1});
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < layer_sprites; ++k) {
        const size_t blocks = static_cast<size_t>(y % 8) * 8 + k;
        put_sprite(frame, y, k, k * sprite_width, file, block_row(2, shf_blocks[blocks], y),
                   file[1002]);
        put_sprite(frame, y, layer_sprites + k, k * sprite_width, file,
                   block_row(2, shf_blocks[blocks + layer_sprites], y), file[1003]);
      }
    return {};
  }
  if (file.size() < 6) return failure{"the packed picture is too short"};
  const result<bytes> data = unpack_into(run_scheme::escape_runs, packed_bytes::forward(file, 3),
                                         file[2], scratch, 0, shf_lines_size);
  if (!data) return data.why();
  begin_raster(model, {96, 167});
  draw_shf_lines(model.raster[0], *data, (*data)[8168], (*data)[8168]);
  return {};
}

// Two packed Super Hires FLI frames, then each frame's two layer colours.
result<> arrange_sif(bytes file, file_buffer& scratch, picture_model& model) {
  constexpr size_t frame_bytes = 8176;
  const result<sif_frame> first = sif_frame_at(file, 0);
  if (!first) return first.why();
  const result<sif_frame> second = sif_frame_at(file, first->end);
  if (!second) return second.why();
  if (second->end + 4 != file.size()) return failure{"the colours do not end the file"};
  std::array<bytes, 2> frames;
  for (const sif_frame& frame : {*first, *second}) {
    const size_t into = frame.at == 0 ? 0 : 8192;
    const result<bytes> unpacked =
        unpack_into(run_scheme::escape_runs, packed_bytes::backward(file, frame.end, 2),
                    file[frame.at + 2], scratch, into, frame_bytes, true);
    if (!unpacked) return unpacked.why();
    frames[into == 0 ? 0 : 1] = unpacked->subspan(into);
  }
  const size_t colours = file.size() - 4;
  begin_raster(model, {96, 167});
  for (int f = 0; f < 2; ++f)
    draw_shf_lines(model.raster[f], frames[f], file[colours + 2 * f], file[colours + 2 * f + 1]);
  return {};
}

// 144 x 168, an FLI bitmap under one layer of six sprites that take other blocks every line.
// A packed file is read from its end down: its last byte the escape, then runs "escape count
// value" (a count of 0 is 256), the picture by lines, eighteen bytes a line.
result<> arrange_shx(bytes file, file_buffer& scratch, picture_model& model) {
  const canvas_size canvas{144, 168};
  constexpr int sprites = 6;
  if (file.size() == 15362) {
    begin_raster(model, canvas);
    raster_frame& frame = model.raster[0];
    draw_bitmap(frame, canvas, file, {.bitmap = 8282, .screen = 13, .order = cell_order::fli});
    for (int y = 0; y < canvas.height; ++y)
      for (int k = 0; k < sprites; ++k) {
        int block = ((y - 1) & 7) * 15 + k;
        if (block < 105) block += (k + 1) / 2 * 3;
        put_sprite(frame, y, k, k * sprite_width, file,
                   block_row(8194, static_cast<size_t>(block), y), file[1003]);
      }
    return {};
  }
  if (file.size() < 6) return failure{"the packed picture is too short"};
  const result<bytes> data =
      unpack_into(run_scheme::escape_runs, packed_bytes::backward(file, file.size() - 1, 2),
                  file.back(), scratch, 0, 9168, true);
  if (!data) return data.why();
  begin_raster(model, canvas);
  raster_frame& frame = model.raster[0];
  draw_bitmap(frame, canvas, *data,
              {.bitmap = 3072, .screen = 6144, .stride = 18, .order = cell_order::lines});
  for (int y = 0; y < canvas.height; ++y)
    for (int k = 0; k < sprites; ++k)
      put_sprite(frame, y, k, k * sprite_width, *data,
                 {static_cast<size_t>(y) * 18 + static_cast<size_t>(k) * 3}, (*data)[3025]);
  return {};
}
