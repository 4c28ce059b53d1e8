#pragma once
// How a picture lies on a work surface: the canvas at twice its size from (0, 0), the caption
// box 95 lines below it (below the 640 x 400 of a 320 x 200 screen at least), and the margins
// of the 800 x 600 screen right of and below the picture.
#include "formats/raster.h"
#include "surface/surface.h"

constexpr int work_margin_right = screen_width - 640;
constexpr int work_margin_below = screen_height - 400;

// The size of a work surface for the canvas: 800 x 600 for a picture that fits one screen.
struct work_surface_size {
  int width = screen_width;
  int height = screen_height;
};
constexpr work_surface_size work_surface_size_for(canvas_size canvas) {
  const int width = 2 * canvas.width + work_margin_right;
  const int height = 2 * canvas.height + work_margin_below;
  return {width > screen_width ? width : screen_width,
          height > screen_height ? height : screen_height};
}

// The largest work surface, for the largest canvas.
constexpr work_surface_size largest_work_surface =
    work_surface_size_for({max_canvas_width, max_canvas_height});

// The first line of the caption box.
constexpr int caption_top_for(canvas_size canvas) {
  return work_surface_size_for(canvas).height - work_margin_below + 95;
}

// A work surface of the screen's size, with room to grow to the largest without allocating.
surface create_work_surface();

// Re-forms the surface to the canvas's work surface size, every pixel 0, within the room it
// was made with.
void fit_work_surface(surface& work_surface, canvas_size canvas);
