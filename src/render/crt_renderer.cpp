#include "render/crt_renderer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

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

// What every line of one render reads.
struct line_tables {
  dim_tables dim;
  std::array<colour_targets, 16> targets;
  double k;
};

// The two screen rows of a picture line in the locked surface: null where a row lies outside
// it, and nothing is drawn from column `columns` on.
struct line_rows {
  uint32_t* bright;
  uint32_t* dimmed;
  int columns;
};

line_rows rows_at(const pixel_lock_state& lock, int y) {
  const auto row = [&lock](int r) {
    return r <= lock.last_row ? lock.first_pixel + static_cast<ptrdiff_t>(r) * lock.pitch : nullptr;
  };
  return {row(y), row(y + 1), lock.last_column + 1};
}

// The smoothing states along a line and the two pixels they give. `settled` is the colour
// index whose step leaves the states as they are: every further step toward it gives the same
// pixels again, so it need not be taken (-1: none).
struct line_state {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  int settled = -1;
  uint32_t bright = 0;
  uint32_t dimmed = 0;
};

void take_step(line_state& state, int index, const line_tables& t) {
  const colour_targets& to = t.targets[index];
  const double red = state.red, green = state.green, blue = state.blue;
  inertia_step(state.blue, state.green, state.red, to.blue, to.green, to.red, t.k);
  state.settled = state.red == red && state.green == green && state.blue == blue ? index : -1;
  const auto r = static_cast<uint32_t>(state.red);
  const auto g = static_cast<uint32_t>(state.green);
  const auto b = static_cast<uint32_t>(state.blue);
  state.bright = (r << 16) | (g << 8) | b;
  state.dimmed = t.dim.red[r] | t.dim.green[g] | t.dim.blue[b];
}

// What every line of one render is drawn from and into.
struct line_drawing {
  const uint8_t* buffer;
  size_t entry_bytes;
  render_lines_shape shape;
  line_tables tables;
  pixel_lock_state lock;

  const uint8_t* entries(int line) const { return buffer + line * entry_bytes; }
  line_rows rows(int line) const { return rows_at(lock, 2 * line); }
  // Every line starts from black: one whose entries repeat the line above draws its rows.
  bool repeats(int line) const {
    return line > 0 && std::memcmp(entries(line), entries(line - 1), entry_bytes) == 0;
  }
};

// Lines from black, the even row of each at full brightness and the odd one dimmed. Each
// step waits for the one before it on its line, so several lines are drawn together: the
// processor overlaps the steps of different lines.
template <size_t count>
void draw_together(const line_drawing& d, const std::array<int, count>& lines) {
  std::array<const uint8_t*, count> entries{};
  std::array<line_rows, count> rows{};
  for (size_t n = 0; n < count; ++n) {
    entries[n] = d.entries(lines[n]);
    rows[n] = d.rows(lines[n]);
  }
  std::array<line_state, count> states;
  const render_lines_shape& shape = d.shape;
  for (int column = 0; column < shape.line_entries; ++column) {
    std::array<int, count> index{};
    for (size_t n = 0; n < count; ++n) index[n] = entries[n][column] & 0x0F;
    int x = shape.steps * column + shape.column_shift;
    for (int s = 0; s < shape.steps; ++s, ++x) {
      if (x >= rows[0].columns) return;
      for (size_t n = 0; n < count; ++n) {
        if (states[n].settled != index[n]) take_step(states[n], index[n], d.tables);
        rows[n].bright[x] = states[n].bright;
        if (rows[n].dimmed) rows[n].dimmed[x] = states[n].dimmed;
      }
    }
  }
}

// The rows of a line whose entries repeat the line above, copied from the line above.
void copy_line_above(const line_drawing& d, int line) {
  const int first = d.shape.column_shift;
  const int end = std::min(d.shape.line_entries * d.shape.steps + first, d.lock.last_column + 1);
  if (end <= first) return;
  const auto count = static_cast<size_t>(end - first);
  const line_rows rows = d.rows(line), above = d.rows(line - 1);
  std::copy_n(above.bright + first, count, rows.bright + first);
  if (rows.dimmed) std::copy_n(above.dimmed + first, count, rows.dimmed + first);
}

}  // namespace

// One lock, then two pixel writes per smoothing step.
void render_canvas(picture_context& context, render_target target,
                   const render_lines_shape& shape) {
  surface& work_surface =
      target == render_target::a ? context.work_surface_a : context.work_surface_b;
  const auto& buffer =
      target == render_target::a ? context.chunky.chunky_a : context.chunky.chunky_b;
  lock_pixels(work_surface);
  const line_drawing d{buffer.data(), static_cast<size_t>(shape.line_entries), shape,
                       line_tables{make_dim_tables(context.crt.scanline_factors),
                                   make_targets(context.palette), context.crt.inertia_factor},
                       pixel_lock};
  int lines = 0;
  while (lines < shape.lines && d.rows(lines).bright) ++lines;
  std::array<int, 4> group{};
  size_t held = 0;
  for (int line = 0; line < lines; ++line) {
    if (d.repeats(line)) continue;
    group[held++] = line;
    if (held < group.size()) continue;
    draw_together(d, group);
    held = 0;
  }
  for (size_t n = 0; n < held; ++n) draw_together<1>(d, {group[n]});
  for (int line = 1; line < lines; ++line)
    if (d.repeats(line)) copy_line_above(d, line);
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
