#include "surface/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

void fill_span(surface& s, int x1, int y1, int x2, int y2, uint32_t pixel) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, s.width);
  y2 = std::min(y2, s.height);
  // Nothing is formed outside the surface, not even a pointer past a row.
  if (x2 <= x1) return;
  for (int y = y1; y < y2; ++y) {
    uint32_t* row = s.pixels.data() + static_cast<size_t>(y) * s.width;
    std::fill(row + x1, row + x2, pixel);
  }
}

void plot(surface& s, int x, int y, uint32_t pixel) {
  if (x >= 0 && y >= 0 && x < s.width && y < s.height)
    s.pixels[static_cast<size_t>(y) * s.width + x] = pixel;
}

}  // namespace

void fill_surface(surface& s, uint32_t pixel) {
  s.pixels.assign(s.pixels.size(), pixel);
}

void draw_rect(surface& s, int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  if (s.canvas.brush == brush_style::solid)
    fill_span(s, x1, y1, x2, y2, canvas_to_pixel(s.canvas.brush_colour));
  const uint32_t pen = canvas_to_pixel(s.canvas.pen_colour);
  fill_span(s, x1, y1, x2, y1 + 1, pen);
  fill_span(s, x1, y2 - 1, x2, y2, pen);
  fill_span(s, x1, y1, x1 + 1, y2, pen);
  fill_span(s, x2 - 1, y1, x2, y2, pen);
}

void draw_line(surface& s, int x1, int y1, int x2, int y2) {
  const uint32_t pen = canvas_to_pixel(s.canvas.pen_colour);
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  while (x1 != x2 || y1 != y2) {
    plot(s, x1, y1, pen);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

void copy_rect(surface& dest, int x, int y, const surface& source, const rect& r) {
  int x1 = std::max(r.x1, 0), y1 = std::max(r.y1, 0);
  int x2 = std::min(r.x2, source.width), y2 = std::min(r.y2, source.height);
  // Shift the destination with the clipped source, then clip to the destination.
  int dx = x + (x1 - r.x1), dy = y + (y1 - r.y1);
  if (dx < 0) {
    x1 -= dx;
    dx = 0;
  }
  if (dy < 0) {
    y1 -= dy;
    dy = 0;
  }
  x2 = std::min(x2, x1 + (dest.width - dx));
  y2 = std::min(y2, y1 + (dest.height - dy));
  if (x2 <= x1 || y2 <= y1) return;
  for (int row = y1; row < y2; ++row) {
    const uint32_t* from = source.pixels.data() + static_cast<size_t>(row) * source.width + x1;
    uint32_t* to = dest.pixels.data() + static_cast<size_t>(dy + row - y1) * dest.width + dx;
    std::copy(from, from + (x2 - x1), to);
  }
}
