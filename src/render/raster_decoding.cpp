#include "render/raster_decoding.h"

#include <algorithm>
#include <array>

#include "render/crt_renderer.h"

namespace {

// What the sprites put on one pixel of a line: the colour of the first sprite there, and
// whether that sprite hides behind the graphics' foreground.
struct sprite_pixel {
  uint8_t colour = 0;
  bool shown = false;
  bool behind = false;
};

using sprite_overlay = std::array<sprite_pixel, max_canvas_width>;

void paint_span(sprite_overlay& overlay, int from, int width, uint8_t colour, bool behind) {
  for (int x = std::max(from, 0); x < from + width && x < max_canvas_width; ++x)
    overlay[x] = {colour, true, behind};
}

// Paints one sprite's row; earlier sprites are painted later, over it.
void paint_sprite(sprite_overlay& overlay, const sprite_row& sprite, const sprite_line& line) {
  const int scale = sprite.x_expanded ? 2 : 1;
  const uint32_t bits =
      uint32_t{sprite.data[0]} << 16 | uint32_t{sprite.data[1]} << 8 | sprite.data[2];
  if (!sprite.multicolor) {
    for (int p = 0; p < 24; ++p)
      if (bits >> (23 - p) & 1)
        paint_span(overlay, sprite.x + p * scale, scale, sprite.colour, sprite.behind);
    return;
  }
  const std::array<uint8_t, 4> colours = {0, line.multicolor_1, sprite.colour, line.multicolor_2};
  for (int q = 0; q < 12; ++q) {
    const uint32_t pair = bits >> (22 - 2 * q) & 3;
    if (pair != 0)
      paint_span(overlay, sprite.x + q * 2 * scale, 2 * scale, colours[pair], sprite.behind);
  }
}

// A frame's colour indexes, canvas.width per line, into out with the given stride and offset
// between pixels: pixel x of line y at out[(y * canvas.width + x) * stride + offset].
void decode_frame(const raster_frame& frame, canvas_size canvas, uint8_t* out, int stride,
                  int offset) {
  std::array<uint8_t, max_canvas_width> line{};
  for (int y = 0; y < canvas.height; ++y) {
    decode_raster_line(frame, canvas, y, line.data());
    for (int x = 0; x < canvas.width; ++x) out[(y * canvas.width + x) * stride + offset] = line[x];
  }
}

}  // namespace

void decode_raster_line(const raster_frame& frame, canvas_size canvas, int y, uint8_t* line) {
  static thread_local sprite_overlay overlay;
  overlay.fill({});
  const int raster_y = y + canvas.top;
  const sprite_line& sprites = frame.sprites[raster_y];
  for (int s = max_sprites_per_line - 1; s >= 0; --s)
    if (sprites.sprites[s].shown) paint_sprite(overlay, sprites.sprites[s], sprites);

  for (int x = 0; x < canvas.width; ++x) {
    const int raster_x = x + canvas.left;
    const raster_cell& cell = frame.cell(raster_y, raster_x / 8);
    const int p = raster_x % 8;
    const int pattern =
        cell.multicolor ? cell.graphics >> (6 - (p & 6)) & 3 : cell.graphics >> (7 - p) & 1;
    const bool foreground = cell.multicolor ? pattern >= 2 : pattern == 1;
    const sprite_pixel& sprite = overlay[raster_x];
    const bool sprite_shows = sprite.shown && !(sprite.behind && foreground);
    line[x] = (sprite_shows ? sprite.colour : cell.colours[pattern]) & 0x0F;
  }
}

void decode_raster(picture_context& context, raster_frames frames) {
  const picture_model& model = context.model;
  const canvas_size canvas = model.canvas;
  uint8_t* chunky_a = context.chunky.chunky_a.data();
  uint8_t* chunky_b = context.chunky.chunky_b.data();
  const bool merged = frames != raster_frames::one && context.crt.display_mode == display_static;
  const render_lines_shape whole{canvas.height, canvas.width, 2, 0};
  if (frames == raster_frames::one) {
    decode_frame(model.raster[0], canvas, chunky_a, 1, 0);
    render_canvas(context, render_target::a, whole);
  } else if (frames == raster_frames::hires_lace && merged) {
    // Each frame rendered on its own, then the two seen as one, as two-frame bitmaps are.
    decode_frame(model.raster[0], canvas, chunky_a, 1, 0);
    decode_frame(model.raster[1], canvas, chunky_b, 1, 0);
    render_canvas(context, render_target::a, whole);
    render_canvas(context, render_target::b, whole);
    merge_frames(context);
  } else if (merged) {
    // The left hires pixel of every multicolour pixel from frame A, the right one from B.
    static thread_local std::array<uint8_t, max_canvas_width> line_b;
    decode_frame(model.raster[0], canvas, chunky_a, 1, 0);
    for (int y = 0; y < canvas.height; ++y) {
      decode_raster_line(model.raster[1], canvas, y, line_b.data());
      for (int x = 1; x < canvas.width; x += 2) chunky_a[y * canvas.width + x] = line_b[x];
    }
    render_canvas(context, render_target::a, whole);
  } else {
    decode_frame(model.raster[0], canvas, chunky_a, 1, 0);
    decode_frame(model.raster[1], canvas, chunky_b, 1, 0);
    render_canvas(context, render_target::a, whole);
    render_canvas(
        context, render_target::b,
        {canvas.height, canvas.width, 2, frames == raster_frames::multicolor_lace ? 2 : 0});
  }
  if (merged) context.two_surface_picture = false;
}
