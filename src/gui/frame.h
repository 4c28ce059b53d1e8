#pragma once
// The whole screen frame: background, artwork, the F1 hint, the panels and the status line.
#include <functional>
#include <string>
#include <string_view>

#include "display/artwork.h"
#include "render/crt_settings.h"
#include "surface/surface.h"

// Draws the artwork picture of that name with its top-left corner at (x, y) on the surface;
// fails with "Image '%s' not found" when there is no such picture.
using artwork_painter =
    std::function<result<>(std::string_view name, surface& target, int x, int y)>;

// What the panels and the status line show.
struct frame_values {
  const crt_settings& crt;
  uint8_t interlace_rate;
  std::string_view current_dir;
};

// Draws everything but the browser grid; stops at a missing artwork picture with its failure,
// the rest of the frame then undrawn.
result<> draw_frame(surface& display_surface, const frame_values& values,
                    const artwork_painter& draw_artwork);

// The same with the pictures of the loaded frame artwork.
result<> draw_frame(surface& display_surface, const frame_values& values,
                    const artwork_list& artwork);
