#pragma once
// The settings panels down the right-hand side and the status line, on the display surface.
#include "display/surface.h"
#include "viewer/app_state.h"

// The "Monitor Inertia Simulation" slider at (637, 80)-(790, 130), thumb at 13 x inertia_index.
void draw_inertia_panel(surface& display_surface, const app_state& state);

// The "Scan line value" slider at (637, 130)-(790, 180), thumb at scanline_index x 14.6 rounded.
void draw_scanline_panel(surface& display_surface, const app_state& state);

// The "Interlace refresh:" panel at (634, 180)-(787, 220) with the interlace_rate in words.
void draw_interlace_panel(surface& display_surface, const app_state& state);

// The "Display mode:" panel at (634, 225)-(787, 260) with the display_mode in words.
void draw_display_mode_panel(surface& display_surface, const app_state& state);

// The upper-cased current_dir at (30, 560) after clearing (30, 560)-(600, 575); not clipped.
void draw_status_line(surface& display_surface, const app_state& state);
