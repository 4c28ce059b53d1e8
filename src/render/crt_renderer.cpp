#include "render/crt_renderer.h"

#include "surface/canvas.h"
#include "surface/turbopixels.h"

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

// The palette's channels as smoothing targets, red in the palette's low byte.
struct colour_targets {
  double red;
  double green;
  double blue;
};

std::array<colour_targets, 16> make_targets(const palette_colours& palette) {
  std::array<colour_targets, 16> targets{};
  for (size_t n = 0; n < palette.size(); ++n)
    targets[n] = {static_cast<double>(palette[n] & 0xFF),
                  static_cast<double>((palette[n] >> 8) & 0xFF),
                  static_cast<double>((palette[n] >> 16) & 0xFF)};
  return targets;
}

}  // namespace

// One lock, then two pixel writes per smoothing step; every line starts from black.
void render_canvas(picture_context& context, render_target target,
                   const render_lines_shape& shape) {
  surface& work_surface =
      target == render_target::a ? context.work_surface_a : context.work_surface_b;
  const auto& buffer =
      target == render_target::a ? context.chunky.chunky_a : context.chunky.chunky_b;
  const dim_tables dim = make_dim_tables(context.crt.scanline_factors);
  const std::array<colour_targets, 16> targets = make_targets(context.palette);
  const double k = context.crt.inertia_factor;

  lock_pixels(work_surface);
  for (int line = 0; line < shape.lines; ++line) {
    const uint8_t* entries = buffer.data() + line * shape.line_entries;
    const int y = 2 * line;
    double red = 0.0, green = 0.0, blue = 0.0;
    for (int column = 0; column < shape.line_entries; ++column) {
      const int x = shape.steps * column + shape.column_shift;
      const colour_targets& to = targets[entries[column] & 0x0F];
      for (int s = 0; s < shape.steps; ++s) {
        inertia_step(blue, green, red, to.blue, to.green, to.red, k);
        const auto r = static_cast<uint32_t>(red);
        const auto g = static_cast<uint32_t>(green);
        const auto b = static_cast<uint32_t>(blue);
        put_pixel(x + s, y, (r << 16) | (g << 8) | b);
        put_pixel(x + s, y + 1, dim.red[r] | dim.green[g] | dim.blue[b]);
      }
    }
  }
  unlock_pixels();
}

void merge_frames(picture_context& context) {
  surface& a = context.work_surface_a;
  const surface& b = context.work_surface_b;
  const int width = 2 * context.model.canvas.width, height = 2 * context.model.canvas.height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t& mine = a.pixels[static_cast<size_t>(y) * a.width + x];
      const uint32_t theirs = b.at(x, y);
      mine = (mine & theirs) + ((mine ^ theirs) >> 1 & 0x7F7F7F);
    }
  }
  fill_surface(context.work_surface_b, 0);
}

void render_320_wide(picture_context& context, render_target target) {
  render_canvas(context, target, {200, 320, 2, 0});
}

void render_160_wide(picture_context& context, render_target target) {
  render_canvas(context, target, {200, 160, 4, target == render_target::b ? 2 : 0});
}
