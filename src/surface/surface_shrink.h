#pragma once
// Making a surface's picture smaller, for thumbnails.
#include "surface/surface.h"

// The size a width x height picture takes when its longer side is at most longest: the same
// aspect, each side at least 1 pixel, never larger than the picture itself.
struct shrunk_size {
  int width = 0;
  int height = 0;
};
shrunk_size fit_within(int width, int height, int longest);

// The area from's pixels shrunk to out's size: every pixel of out is the average of the part of
// from it covers, weighted by how much of each source pixel lies inside it. Averaging rather
// than picking keeps the dimmed scan lines as the eye sees them: darker, not striped.
void shrink_area(const surface& source, const rect& from, surface& out);
