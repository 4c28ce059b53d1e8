#pragma once
// A plain RGBA picture being painted, and the few primitives the frame artwork is made of.
#include <cstddef>
#include <cstdint>
#include <vector>

struct rgba {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 0;  // 0 transparent, 255 opaque
};

struct rgba_image {
  int width = 0;
  int height = 0;
  std::vector<rgba> pixels;  // row-major, fully transparent at first

  rgba_image(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h) {}
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  rgba& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// An opaque colour from 0xRRGGBB.
constexpr rgba opaque(uint32_t rgb) {
  return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
          static_cast<uint8_t>(rgb), 255};
}

// Sets the pixel when it lies inside the picture.
void put(rgba_image& img, int x, int y, rgba c);

// Mixes the colour over the pixel by amount/256 (alpha taken from the colour when the pixel is
// transparent).
void blend(rgba_image& img, int x, int y, rgba c, int amount);

// Sets every pixel of columns x1..x2-1, rows y1..y2-1.
void fill(rgba_image& img, int x1, int y1, int x2, int y2, rgba c);

// Lightens (positive) or darkens (negative) the pixel's colour by delta per channel.
void shade(rgba_image& img, int x, int y, int delta);
