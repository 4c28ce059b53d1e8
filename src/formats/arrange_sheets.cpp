#include <algorithm>

#include "formats/arrangement_families.h"
#include "formats/raster_drawing.h"

namespace {

// Sheets show their sprites sixteen a row, each 24 x 21 pixels with two pixels between them.
constexpr int sheet_columns = 16;
constexpr int sprite_width = 24, sprite_height = 21, gap = 2;
constexpr int pitch_x = sprite_width + gap, pitch_y = sprite_height + gap;
constexpr int sprite_bytes = 64;  // 63 of pixels, then the sprite's colour

struct sprite_sheet {
  std::span<const uint8_t> sprites;  // sprite_bytes each
  int count = 0;
  canvas_size canvas;
  uint8_t background = 0;
  uint8_t multicolor_1 = 0;
  uint8_t multicolor_2 = 0;
  bool all_multicolor = false;  // else bit 7 of a sprite's colour byte makes it multicolour
};

// The gaps and clear pixels in the background colour, each sprite over its cell; a sheet taller
// than the largest canvas keeps its first rows.
void draw_sheet(const sprite_sheet& sheet, picture_model& model) {
  const int height = std::min<int>(sheet.canvas.height, max_canvas_height);
  begin_raster(model, {sheet.canvas.width, static_cast<uint16_t>(height)});
  model.cropped = height < sheet.canvas.height;
  raster_frame& frame = model.raster[0];
  for (int y = 0; y < height; ++y) {
    for (int column = 0; column < model.canvas.columns(); ++column)
      frame.cell(y, column) = hires_cell(0, sheet.background, sheet.background);
    const int row = y % pitch_y;
    if (row >= sprite_height) continue;
    sprite_line& line = frame.sprites[y];
    line.multicolor_1 = sheet.multicolor_1;
    line.multicolor_2 = sheet.multicolor_2;
    for (int k = 0; k < sheet_columns; ++k) {
      const int number = y / pitch_y * sheet_columns + k;
      if (number >= sheet.count) break;
      const std::span<const uint8_t> sprite =
          sheet.sprites.subspan(static_cast<size_t>(number) * sprite_bytes, sprite_bytes);
      const uint8_t colour = sprite[63];
      line.sprites[k] = {.x = static_cast<int16_t>(k * pitch_x),
                         .data = {sprite[row * 3], sprite[row * 3 + 1], sprite[row * 3 + 2]},
                         .colour = static_cast<uint8_t>(colour & 15),
                         .shown = true,
                         .multicolor = sheet.all_multicolor || colour >= 0x80};
    }
  }
}

}  // namespace

// "SPD" and version 1, the sprite and animation counts less one, then three colours and the
// sprites; or, from the first SpritePad, the three colours and the sprites alone.
result<> arrange_spritepad(std::span<const uint8_t> file, picture_model& model) {
  const bool headed =
      file.size() >= 6 && file[0] == 'S' && file[1] == 'P' && file[2] == 'D' && file[3] == 1;
  const size_t colours = headed ? 6 : 0;
  const int count = headed ? file[4] + 1 : static_cast<int>(file.size() / sprite_bytes);
  if (file.size() < 67 ||
      (headed ? file.size() < colours + 3 + size_t(count) * sprite_bytes
              : file.size() % sprite_bytes != 3 || file[0] > 15 || file[1] > 15 || file[2] > 15))
    return failure{"no SpritePad sprites"};
  const int rows = (count + sheet_columns - 1) / sheet_columns;
  const canvas_size canvas =
      count <= sheet_columns
          ? canvas_size{static_cast<uint16_t>(count * pitch_x - gap), sprite_height}
          : canvas_size{sheet_columns * pitch_x - gap, static_cast<uint16_t>(rows * pitch_y - gap)};
  draw_sheet({.sprites = file.subspan(colours + 3),
              .count = count,
              .canvas = canvas,
              .background = static_cast<uint8_t>(file[colours] & 15),
              .multicolor_1 = static_cast<uint8_t>(file[colours + 1] & 15),
              .multicolor_2 = static_cast<uint8_t>(file[colours + 2] & 15)},
             model);
  return {};
}

// 127 multicolour sprites of a Shoot-'Em-Up Construction Kit game, on dark grey with black and
// white as the shared colours; the sheet keeps the gap after its last column.
result<> arrange_seuck_sprites(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != 8130 || file[0] != 0x42 || file[1] != 0) return failure{"no SEUCK sprites"};
  draw_sheet({.sprites = file.subspan(2),
              .count = 127,
              .canvas = {sheet_columns * pitch_x, 8 * pitch_y - gap},
              .background = 11,
              .multicolor_1 = 0,
              .multicolor_2 = 1,
              .all_multicolor = true},
             model);
  return {};
}
