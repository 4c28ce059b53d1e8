#include "surface/surface.h"

surface create_surface(int width, int height) {
  surface s;
  if (width <= 0 || height <= 0) return s;
  s.width = width;
  s.height = height;
  s.pixels = pixel_buffer(static_cast<size_t>(width) * height);
  return s;
}

surface create_surface_like(const surface& model) {
  return create_surface(model.width, model.height);
}

void reshape_surface(surface& s, int width, int height) {
  if (width <= 0 || height <= 0) width = height = 0;
  s.width = width;
  s.height = height;
  s.pixels.assign(static_cast<size_t>(width) * height, 0);
}
