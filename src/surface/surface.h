#pragma once
// Our own drawing surfaces: plain buffers of 32-bit pixels 0x00RRGGBB, with the
// canvas state (brush, pen, font) that persists per surface between drawing calls.
#include <cstdint>
#include <string>

#include "surface/pixel_buffer.h"

constexpr int screen_width = 800;
constexpr int screen_height = 600;

// Rectangles are (x1, y1)-(x2, y2) with the right and bottom edges excluded.
struct rect {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

enum class brush_style : uint8_t { solid, clear };

// Canvas colours are 0x00BBGGRR, red in the low byte.
struct canvas_font {
  std::string face = "Arial";
  int size_pt = 8;
  bool bold = false;
  uint32_t colour = 0;
};

struct canvas_state {
  uint32_t brush_colour = 0xFFFFFF;
  brush_style brush = brush_style::solid;
  uint32_t pen_colour = 0;
  canvas_font font;
};

struct surface {
  int width = 0;
  int height = 0;
  pixel_buffer pixels;  // row-major, pitch = width
  canvas_state canvas;

  bool valid() const { return width > 0 && height > 0; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A surface of the given size, every pixel 0.
surface create_surface(int width, int height);
// A new surface of the same size and pixel format as the model, every pixel 0.
surface create_surface_like(const surface& model);
// Re-forms the surface to width x height, every pixel 0. Its storage is never given back, so a
// surface made once at its largest size takes any smaller size without allocating.
void reshape_surface(surface& s, int width, int height);

// Canvas colour 0x00BBGGRR to surface pixel 0x00RRGGBB and back (the swap is its own inverse).
constexpr uint32_t canvas_to_pixel(uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
constexpr uint32_t pixel_to_canvas(uint32_t rgb) {
  return canvas_to_pixel(rgb);
}
