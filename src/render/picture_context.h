#pragma once
// What decoding and rendering work on: the model, the colour-index buffers, the palette,
// the application state and the two work surfaces.
#include <array>
#include <cstdint>

#include "display/surface.h"
#include "formats/picture_model.h"
#include "render/palette.h"
#include "viewer/app_state.h"

// Colour indexes between decoding and rendering: 160 entries per line (multicolour pairs)
// or 320 (hires pixels, or frames A and B alternating in STATIC mode).
struct chunky_buffers {
  std::array<uint8_t, 65536> chunky_a{};
  std::array<uint8_t, 65536> chunky_b{};
};

struct picture_context {
  picture_model& model;
  chunky_buffers& chunky;
  const palette_colours& palette;
  app_state& state;
  surface& work_surface_a;
  surface& work_surface_b;
};

// A reads chunky_a and draws work_surface_a; B reads chunky_b and draws work_surface_b.
enum class render_target : uint8_t { a, b };
