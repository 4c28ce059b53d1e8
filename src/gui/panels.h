#pragma once
// The settings panels down the right-hand side and the status line, on the display surface.
#include <cstdint>
#include <string_view>

#include "render/crt_settings.h"
#include "surface/surface.h"

// How often the frames of an interlace picture alternate.
constexpr uint8_t rate_each_frame = 0;
constexpr uint8_t rate_every_second_frame = 1;

// The "Monitor Inertia Simulation" slider at (637, 80)-(790, 130), thumb at 13 x inertia_index.
void draw_inertia_panel(surface& display_surface, const crt_settings& crt);

// The "Scan line value" slider at (637, 130)-(790, 180), thumb at scanline_index x 14.6 rounded.
void draw_scanline_panel(surface& display_surface, const crt_settings& crt);

// The "Interlace refresh:" panel at (634, 180)-(787, 220) with the interlace rate in words.
void draw_interlace_panel(surface& display_surface, uint8_t interlace_rate);

// The "Display mode:" panel at (634, 225)-(787, 260) with the display mode in words.
void draw_display_mode_panel(surface& display_surface, const crt_settings& crt);

// The upper-cased current directory at (30, 560) after clearing (30, 560)-(600, 575), drawn
// inside that area only; a path too long for it shows its end, led by "...".
void draw_status_line(surface& display_surface, std::string_view current_dir);
