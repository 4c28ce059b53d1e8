#include "pictures.h"

#include <cmath>
#include <string_view>

#include "painting.h"

namespace {

// Dark metal with the rose tint of the screen's background (155, 139, 139).
constexpr uint32_t metal_top = 0x5E5357;
constexpr uint32_t metal_bottom = 0x3C3337;
constexpr uint32_t logo_top = 0xFFF3E2;
constexpr uint32_t logo_bottom = 0xC99DA4;
constexpr uint32_t screen_colour = 0x9B8B8B;

rgba_image metal_plate(int width, int height) {
  rgba_image img(width, height);
  brushed_metal(img, 0, 0, width, height, metal_top, metal_bottom);
  bevel(img, 0, 0, width, height, 2, 34);
  return img;
}

// The column at which an engraved text of 8-pixel glyphs is centred in a width.
int centred(int width, std::string_view text) {
  return (width - 8 * static_cast<int>(text.size())) / 2;
}

}  // namespace

rgba_image make_title_bar() {
  rgba_image img = metal_plate(800, 66);
  pixel_text(img, 30, 14, "Velora2003", 4, logo_top, logo_bottom);
  rainbow_bands(img, 30, 30 + pixel_text_width("Velora2003", 4), 51, 1);
  engraved_text(img, 380, 38, "C64 PICTURE VIEWER");
  rainbow_slant(img, 676, 4, 62, 9);
  rivet(img, 9, 9);
  rivet(img, 9, 56);
  rivet(img, 790, 9);
  rivet(img, 790, 56);
  return img;
}

rgba_image make_left_bar() {
  rgba_image img = metal_plate(18, 534);
  for (int y = 24; y < 534; y += 120) rivet(img, 9, y);
  return img;
}

rgba_image make_right_bar() {
  // Placed at (609, 66): the panels lie at x 634..789, y 80..259 and the F1 hint at
  // x 644..789, y 490..519 of the screen.
  rgba_image img = metal_plate(191, 534);
  window_hole(img, 17, 8, 188, 200);
  window_hole(img, 17, 416, 188, 460);
  bevel(img, 17, 214, 188, 402, 2, 26);
  rainbow_slant(img, 48, 236, 300, 12);
  engraved_text(img, 17 + centred(171, "VELORA"), 322, "VELORA");
  engraved_text(img, 17 + centred(171, "2003"), 338, "2003");
  engraved_text(img, 17 + centred(171, "CRT SIMULATION"), 374, "CRT SIMULATION");
  rivet(img, 8, 20);
  rivet(img, 8, 300);
  rivet(img, 8, 514);
  rivet(img, 8, 440);
  return img;
}

rgba_image make_bottom_bar() {
  // Placed at (18, 529): the status line lies at x 30..599, y 560..574 of the screen.
  rgba_image img = metal_plate(591, 71);
  window_hole(img, 6, 26, 586, 50);
  rainbow_bands(img, 6, 586, 11, 1);
  rivet(img, 580, 61);
  rivet(img, 10, 61);
  return img;
}

rgba_image make_icon() {
  constexpr int size = 256, radius = 36;
  rgba_image plate(size, size);
  brushed_metal(plate, 0, 0, size, size, metal_top, metal_bottom);
  bevel(plate, 0, 0, size, size, 6, 40);
  rgba_image img(size, size);
  // Rounded corners: pixels beyond the corner circles stay transparent.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int cx = x < radius ? radius : x >= size - radius ? size - 1 - radius : x;
      const int cy = y < radius ? radius : y >= size - radius ? size - 1 - radius : y;
      const double d = std::hypot(x - cx, y - cy);
      if (d <= radius) img.at(x, y) = plate.at(x, y);
    }
  fill(img, 30, 28, 226, 190, opaque(screen_colour));
  window_hole(img, 30, 28, 226, 190);
  fill(img, 30, 28, 226, 190, opaque(screen_colour));
  for (int y = 29; y < 190; y += 2)
    for (int x = 30; x < 226; ++x) shade(img, x, y, -10);
  pixel_text(img, 80, 48, "V", 12, logo_top, logo_bottom);
  rainbow_slant(img, 58, 202, 236, 9);
  engraved_text(img, 150, 214, "2003");
  return img;
}
