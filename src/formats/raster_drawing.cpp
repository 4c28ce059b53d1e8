#include "formats/raster_drawing.h"

#include <algorithm>

void begin_raster(picture_model& model, canvas_size canvas) {
  model.canvas = canvas;
  model.drawn_with_own_glyphs = false;
  model.cropped = false;
  for (raster_frame& frame : model.raster) {
    std::fill(frame.cells.begin(), frame.cells.end(), raster_cell{});
    std::fill(frame.sprites.begin(), frame.sprites.end(), sprite_line{});
  }
}
