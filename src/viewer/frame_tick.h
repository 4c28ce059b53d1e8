#pragma once
// What a frame tick does with a picture on screen, and the tick's interval.
#include "surface/surface.h"
#include "viewer/app_state.h"

// The work surfaces' picture and caption, and where a tick puts them on the screen.
constexpr rect picture_area = {0, 0, 659, 549};
constexpr int picture_area_x = 70;
constexpr int picture_area_y = 50;

// The frame timer interval for a refresh rate: trunc(1000 / rate) ms, 25 ms for rate 0.
int frame_interval_ms(unsigned rate);

// While presenting: copies the picture area of work surface A (of B on every second tick of a
// two-surface picture) onto the display surface and inverts frame_toggle; of a picture larger
// than the picture area, the window's part of it and the caption below. Otherwise nothing.
void copy_picture_frame(app_state& state, const surface& work_surface_a,
                        const surface& work_surface_b, surface& display_surface);
