#include "render/crt_renderer.h"

#include "display/turbopixels.h"

namespace {

// The dimmed channel values of one render, already shifted into place in a surface pixel.
struct dim_tables {
  std::array<uint32_t, 256> red;
  std::array<uint32_t, 256> green;
  std::array<uint32_t, 256> blue;
};

dim_tables make_dim_tables(const std::array<double, 3>& scanline_factors) {
  dim_tables tables{};
  for (unsigned v = 0; v < 256; ++v) {
    const auto value = static_cast<uint8_t>(v);
    tables.red[v] = static_cast<uint32_t>(dimmed(value, scanline_factors[0])) << 16;
    tables.green[v] = static_cast<uint32_t>(dimmed(value, scanline_factors[1])) << 8;
    tables.blue[v] = dimmed(value, scanline_factors[2]);
  }
  return tables;
}

struct render_shape {
  int entries;       // source entries in the buffer
  int line_entries;  // entries per picture line
  int steps;         // smoothing steps (screen columns) per entry
  int column_shift;  // added to x after the line-start test
};

// One lock, then two pixel writes per smoothing step; every line starts from black.
void render_lines(picture_context& context, render_target target, const render_shape& shape) {
  surface& work_surface =
      target == render_target::a ? context.work_surface_a : context.work_surface_b;
  const auto& entries =
      target == render_target::a ? context.chunky.chunky_a : context.chunky.chunky_b;
  const dim_tables dim = make_dim_tables(context.state.scanline_factors);
  const double k = context.state.inertia_factor;

  lock_pixels(work_surface);
  double red = 0.0, green = 0.0, blue = 0.0;
  for (int i = 0; i < shape.entries; ++i) {
    const int column = i % shape.line_entries;
    int x = shape.steps * column;
    const int y = 2 * (i / shape.line_entries);
    if (column == 0) red = green = blue = 0.0;
    x += shape.column_shift;
    const uint32_t colour = context.palette[entries[i] & 0x0F];
    const double red_target = colour & 0xFF;
    const double green_target = (colour >> 8) & 0xFF;
    const double blue_target = (colour >> 16) & 0xFF;
    for (int s = 0; s < shape.steps; ++s) {
      inertia_step(blue, green, red, blue_target, green_target, red_target, k);
      const auto r = static_cast<uint32_t>(red);
      const auto g = static_cast<uint32_t>(green);
      const auto b = static_cast<uint32_t>(blue);
      put_pixel(x + s, y, (r << 16) | (g << 8) | b);
      put_pixel(x + s, y + 1, dim.red[r] | dim.green[g] | dim.blue[b]);
    }
  }
  unlock_pixels();
}

}  // namespace

void render_320_wide(picture_context& context, render_target target) {
  render_lines(context, target, {64000, 320, 2, 0});
}

void render_160_wide(picture_context& context, render_target target) {
  render_lines(context, target, {32000, 160, 4, target == render_target::b ? 2 : 0});
}
