#include "rgba_image.h"

#include <algorithm>

namespace {

uint8_t clamp_channel(int v) {
  return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

void put(rgba_image& img, int x, int y, rgba c) {
  if (img.inside(x, y)) img.at(x, y) = c;
}

void blend(rgba_image& img, int x, int y, rgba c, int amount) {
  if (!img.inside(x, y)) return;
  rgba& p = img.at(x, y);
  if (p.a == 0) {
    p = c;
    return;
  }
  auto mix = [amount](int under, int over) {
    return clamp_channel(under + (over - under) * amount / 256);
  };
  p = {mix(p.r, c.r), mix(p.g, c.g), mix(p.b, c.b), p.a};
}

void fill(rgba_image& img, int x1, int y1, int x2, int y2, rgba c) {
  for (int y = std::max(y1, 0); y < std::min(y2, img.height); ++y)
    for (int x = std::max(x1, 0); x < std::min(x2, img.width); ++x) img.at(x, y) = c;
}

void shade(rgba_image& img, int x, int y, int delta) {
  if (!img.inside(x, y)) return;
  rgba& p = img.at(x, y);
  p = {clamp_channel(p.r + delta), clamp_channel(p.g + delta), clamp_channel(p.b + delta), p.a};
}
