#pragma once
// What decoding and rendering work on: the model, the colour-index buffers, the palette, the
// CRT settings, the caption and the two work surfaces.
#include <array>
#include <cstdint>
#include <string_view>

#include "formats/picture_model.h"
#include "render/crt_settings.h"
#include "render/palette.h"
#include "surface/surface.h"

// Colour indexes between decoding and rendering: 160 entries per line (multicolour pairs)
// or 320 (hires pixels, or frames A and B alternating in STATIC mode); a raster picture's one
// per hires pixel of its canvas, or two of a two-frame one's in STATIC mode.
constexpr size_t chunky_entries = size_t{max_canvas_width} * max_canvas_height;

struct chunky_buffers {
  std::array<uint8_t, chunky_entries> chunky_a{};
  std::array<uint8_t, chunky_entries> chunky_b{};
};

// The two lines of the box under the picture; a thumbnail shows the picture alone.
struct picture_caption {
  std::string_view name;
  std::string_view format_name;
  bool shown = true;
  std::string_view note = {};  // after the format name: what the picture was drawn with
};

struct picture_context {
  picture_model& model;
  chunky_buffers& chunky;
  const palette_colours& palette;
  const crt_settings& crt;
  surface& work_surface_a;
  surface& work_surface_b;
  picture_caption caption;
  // Whether the frame loop alternates the two work surfaces: set for each format shown, and
  // cleared again when a two-frame picture is merged in STATIC mode.
  bool two_surface_picture = true;
};

// A reads chunky_a and draws work_surface_a; B reads chunky_b and draws work_surface_b.
enum class render_target : uint8_t { a, b };
