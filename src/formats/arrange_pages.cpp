#include <algorithm>

#include "formats/arrangement_families.h"
#include "formats/raster_drawing.h"
#include "formats/run_streams.h"

namespace {

constexpr size_t bfli_size = 33795;
constexpr uint8_t bfli_mark = 'b';

// The lower screen's video counter carries on from the upper one's 1000 and wraps at 1024:
// its first cells take the last 24 bytes of its screen RAMs, bitmap and colour RAM.
raster_cell bfli_cell(std::span<const uint8_t> file, int y, int column) {
  const bool lower = y >= 200;
  const int line = y % 200;
  // The first three columns lie under the FLI bug and are not pictured.
  const int counter = ((line & ~7) * 5 + column + 3 + (lower ? 1000 : 0)) & 1023;
  const uint8_t screen = file[(lower ? 17411 : 1027) + (line & 7) * 1024 + counter];
  const uint8_t bitmap = file[(lower ? 25603 : 9219) + counter * 8 + (line & 7)];
  return bitmap_multicolor_cell(bitmap, 0, screen, file[3 + counter]);
}

}  // namespace

result<> arrange_bfli(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != bfli_size || file[2] != bfli_mark) return failure{"no BFLI picture"};
  const canvas_size canvas{296, 400};
  begin_raster(model, canvas);
  for (int y = 0; y < canvas.height; ++y)
    for (int column = 0; column < canvas.columns(); ++column)
      model.raster[0].cell(y, column) = bfli_cell(file, y, column);
  return {};
}

namespace {

// Cells of eight bytes, top line first, row by row over the canvas: black ink on white paper.
void draw_black_on_white(std::span<const uint8_t> cells, canvas_size canvas, picture_model& model) {
  begin_raster(model, canvas);
  for (int y = 0; y < canvas.height; ++y)
    for (int column = 0; column < canvas.columns(); ++column) {
      const uint8_t bits = cells[((y / 8) * canvas.columns() + column) * 8 + y % 8];
      model.raster[0].cell(y, column) = hires_cell(bits, 1, 0);
    }
}

constexpr uint8_t printfox_escape = 0x9B;

struct printfox_page {
  int columns = 0;  // of 8x8 cells
  int rows = 0;
  size_t data = 1;  // where the packed cells start
  run_scheme runs = run_scheme::escape_runs_long_count;
};

// A page's size from its first byte: 'B' a screen, 'G' a double page, 'P' a clip of its own
// size, whose header ends at its first zero byte.
result<printfox_page> page_of(std::span<const uint8_t> file) {
  if (file.size() < 4) return failure{"no Printfox page"};
  switch (file[0]) {
    case 'B':
      return printfox_page{40, 25};
    case 'G':
      return printfox_page{80, 50};
    case 'P': {
      const auto end = std::find(file.begin() + 1, file.end(), 0);
      if (end == file.end()) return failure{"the clip's header does not end"};
      return printfox_page{file[2], file[1], static_cast<size_t>(end - file.begin()) + 1,
                           run_scheme::escape_runs};
    }
    default:
      return failure{"no Printfox page"};
  }
}

}  // namespace

result<> arrange_printfox(std::span<const uint8_t> file, file_buffer& scratch,
                          picture_model& model) {
  const result<printfox_page> page = page_of(file);
  if (!page) return page.why();
  if (page->columns == 0 || page->rows == 0 || page->columns * 8 > max_canvas_width ||
      page->rows * 8 > max_canvas_height)
    return failure{"the page is larger than 640 x 400 or empty"};
  // The cells row by row, eight bytes each, top line first.
  const std::span<uint8_t> cells(scratch.bytes.data(), size_t(page->columns) * page->rows * 8);
  packed_bytes in = packed_bytes::forward(file, page->data);
  if (result<> unpacked = unpack_runs(page->runs, in, printfox_escape, cells); !unpacked)
    return unpacked;
  const canvas_size canvas{static_cast<uint16_t>(page->columns * 8),
                           static_cast<uint16_t>(page->rows * 8)};
  draw_black_on_white(cells, canvas, model);
  return {};
}

result<> arrange_star_painter(std::span<const uint8_t> file, picture_model& model) {
  // Its width in cells and height in cell rows, then the cells row by row, 8 bytes each.
  if (file.size() < 10) return failure{"no Star Painter picture"};
  const int columns = file[0], rows = file[1];
  if (file.size() != 2 + size_t(columns) * rows * 8)
    return failure{"the picture's size is not the file's"};
  if (columns * 8 > max_canvas_width || rows * 8 > max_canvas_height)
    return failure{"the picture is larger than 640 x 400"};
  draw_black_on_white(file.subspan(2),
                      {static_cast<uint16_t>(columns * 8), static_cast<uint16_t>(rows * 8)}, model);
  return {};
}

result<> arrange_mwi(std::span<const uint8_t> file, picture_model& model) {
  // The picture's place on the screen (its column in multicolour pixels, its line), its width
  // in multicolour pixels and its height, then every cell it touches: the screen byte, the
  // colour RAM byte and 8 bitmap bytes. Its first cells begin left of it and above it, and a
  // picture off the cells' grid keeps a column and a row more than its size needs.
  constexpr size_t header = 5, cell_bytes = 10;
  if (file.size() < header + cell_bytes) return failure{"no MWI picture"};
  const int left = (file[1] & 3) * 2, top = file[2] & 7;
  const int width = file[3] * 2, height = file[4];
  const int columns = (width + 7) / 8 + (left != 0), rows = (height + 7) / 8 + (top != 0);
  if (file.size() != header + size_t(columns) * rows * cell_bytes)
    return failure{"the picture's size is not the file's"};
  if (width == 0 || height == 0) return failure{"the picture is empty"};
  begin_raster(model, {static_cast<uint16_t>(width), static_cast<uint16_t>(height),
                       static_cast<uint8_t>(left), static_cast<uint8_t>(top)});
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      const std::span<const uint8_t> cell =
          file.subspan(header + (size_t(row) * columns + column) * cell_bytes, cell_bytes);
      for (int line = 0; line < 8; ++line)
        model.raster[0].cell(row * 8 + line, column) =
            bitmap_multicolor_cell(cell[2 + line], 0, cell[0], cell[1]);
    }
  return {};
}
