#pragma once
// The frame artwork: named pictures read from a folder holding one RGBA PNG per picture
// (<name>.png). Pixels whose alpha is 0 are transparent; every other pixel is drawn opaque.
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "surface/surface.h"

struct artwork_picture {
  std::string name;
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, row-major
};

struct artwork_list {
  std::vector<artwork_picture> pictures;
};

// Replaces the list with every picture of the folder; fails with "Cannot open file %s" (the
// folder, or the first PNG that cannot be read, whose siblings are still loaded).
result<> load_artwork(artwork_list& list, const std::string& path);

// Draws the picture with exactly that name with its top-left at (x, y), clipped to the
// surface, transparent pixels left undrawn; fails with "Image '%s' not found" when the list
// lacks it.
result<> draw_artwork(const artwork_list& list, std::string_view name, surface& s, int x, int y);
