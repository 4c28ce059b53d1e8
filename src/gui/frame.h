#pragma once
// The whole screen frame: background, artwork, the F1 hint, the panels and the status line.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "display/artwork.h"
#include "display/surface.h"
#include "viewer/app_state.h"

// Draws the artwork picture of that name with its top-left corner at (x, y) on the surface;
// returns the error text ("Image '%s' not found") when there is no such picture.
using artwork_painter =
    std::function<std::optional<std::string>(std::string_view name, surface& target, int x, int y)>;

// Draws everything but the browser grid; stops at a missing artwork picture and returns its
// error, the rest of the frame then undrawn.
std::optional<std::string> draw_frame(surface& display_surface, const app_state& state,
                                      const artwork_painter& draw_artwork);

// The same with the pictures of the loaded frame artwork.
std::optional<std::string> draw_frame(surface& display_surface, const app_state& state,
                                      const artwork_list& artwork);
