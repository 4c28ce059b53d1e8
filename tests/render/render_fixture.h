#pragma once
// A complete set of rendering state, zeroed as at program start, for the render tests.
#include <memory>

#include "render/picture_context.h"
#include "surface/surface.h"

struct render_fixture {
  picture_model model;
  chunky_buffers chunky;
  palette_colours palette = default_palette;
  crt_settings crt;
  surface work_surface_a = create_surface(screen_width, screen_height);
  surface work_surface_b = create_surface(screen_width, screen_height);
  picture_context context{model, chunky, palette, crt, work_surface_a, work_surface_b, {}};
};

inline std::unique_ptr<render_fixture> make_render_fixture() {
  return std::make_unique<render_fixture>();
}

// Entries whose red, green and blue all differ from every other entry's (0x00BBGGRR).
constexpr palette_colours distinct_palette = [] {
  palette_colours colours{};
  for (uint32_t n = 0; n < 16; ++n)
    colours[n] = (0x10 * n + 1) | ((0x10 * n + 5) << 8) | ((0xF0 - 0x10 * n + 9) << 16);
  return colours;
}();

inline uint32_t red_of(uint32_t pixel) {
  return (pixel >> 16) & 0xFF;
}
inline uint32_t green_of(uint32_t pixel) {
  return (pixel >> 8) & 0xFF;
}
inline uint32_t blue_of(uint32_t pixel) {
  return pixel & 0xFF;
}
