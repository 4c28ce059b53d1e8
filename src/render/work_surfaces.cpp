#include "render/work_surfaces.h"

surface create_work_surface() {
  surface s = create_surface(largest_work_surface.width, largest_work_surface.height);
  reshape_surface(s, screen_width, screen_height);
  return s;
}

void fit_work_surface(surface& work_surface, canvas_size canvas) {
  const work_surface_size size = work_surface_size_for(canvas);
  reshape_surface(work_surface, size.width, size.height);
}
