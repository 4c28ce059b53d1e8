#include "painting.h"

#include <algorithm>
#include <array>

#include "title_font.h"

namespace {

// Red, orange, yellow, green, blue: the home computer's rainbow, softened to sit on grey.
constexpr std::array<uint32_t, 5> rainbow = {0xC0484E, 0xDB8A3C, 0xE6D46A, 0x78BE68, 0x5A7CD2};

// A repeatable pseudo-random value in -128..127 for a grid point.
int noise(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<int>((h ^ (h >> 16)) & 0xFF) - 128;
}

int lerp(int a, int b, int t, int span) {
  return span <= 0 ? a : a + (b - a) * t / span;
}

// Channel c (16 red, 8 green, 0 blue) of a 0xRRGGBB colour.
int channel(uint32_t colour, int shift) {
  return static_cast<int>((colour >> shift) & 0xFF);
}

rgba mix_rgb(uint32_t top, uint32_t bottom, int t, int span) {
  return {static_cast<uint8_t>(lerp(channel(top, 16), channel(bottom, 16), t, span)),
          static_cast<uint8_t>(lerp(channel(top, 8), channel(bottom, 8), t, span)),
          static_cast<uint8_t>(lerp(channel(top, 0), channel(bottom, 0), t, span)), 255};
}

bool glyph_pixel(char c, int column, int row) {
  return (title_glyph(c)[row] >> (7 - column)) & 1;
}

}  // namespace

void brushed_metal(rgba_image& img, int x1, int y1, int x2, int y2, uint32_t top_rgb,
                   uint32_t bottom_rgb) {
  for (int y = y1; y < y2; ++y) {
    const rgba base = mix_rgb(top_rgb, bottom_rgb, y - y1, y2 - y1 - 1);
    for (int x = x1; x < x2; ++x) {
      // Long horizontal streaks: random values every 24 columns of a row, blended between.
      const int cell = x / 24, t = x % 24;
      const int streak = (noise(cell, y) * (24 - t) + noise(cell + 1, y) * t) / 24;
      const int grain = noise(x, y + 7919) / 48;
      const int d = streak / 22 + grain;
      put(img, x, y,
          {static_cast<uint8_t>(std::clamp(base.r + d, 0, 255)),
           static_cast<uint8_t>(std::clamp(base.g + d, 0, 255)),
           static_cast<uint8_t>(std::clamp(base.b + d, 0, 255)), 255});
    }
  }
}

void bevel(rgba_image& img, int x1, int y1, int x2, int y2, int depth, int strength) {
  for (int i = 0; i < depth; ++i) {
    const int delta = strength * (depth - i) / depth;
    for (int x = x1 + i; x < x2 - i; ++x) {
      shade(img, x, y1 + i, delta);
      shade(img, x, y2 - 1 - i, -delta);
    }
    for (int y = y1 + i + 1; y < y2 - i - 1; ++y) {
      shade(img, x1 + i, y, delta);
      shade(img, x2 - 1 - i, y, -delta);
    }
  }
}

void window_hole(rgba_image& img, int x1, int y1, int x2, int y2) {
  bevel(img, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 2, -40);
  fill(img, x1, y1, x2, y2, rgba{});
}

void rivet(rgba_image& img, int cx, int cy) {
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx) {
      const int d2 = dx * dx + dy * dy;
      if (d2 > 10) continue;
      // Lit from the top left: lighter there, a dark rim at the bottom right.
      const int light = (-dx - dy) * 9 - d2 * 2;
      shade(img, cx + dx, cy + dy, d2 >= 8 ? (dx + dy > 0 ? -45 : 25) : light + 20);
    }
}

void rainbow_bands(rgba_image& img, int x1, int x2, int y, int band_height) {
  for (size_t band = 0; band < rainbow.size(); ++band) {
    const int top = y + static_cast<int>(band) * band_height;
    fill(img, x1, top, x2, top + band_height, opaque(rainbow[band]));
    for (int x = x1; x < x2; ++x) shade(img, x, top, 18);  // a glint on each band's top row
  }
}

void rainbow_slant(rgba_image& img, int x, int y1, int y2, int band_width) {
  for (int y = y1; y < y2; ++y) {
    const int shift = y2 - 1 - y;
    for (size_t band = 0; band < rainbow.size(); ++band) {
      const int left = x + shift + static_cast<int>(band) * band_width;
      for (int px = left; px < left + band_width; ++px) {
        rgba c = opaque(rainbow[band]);
        put(img, px, y, c);
        if (px == left) shade(img, px, y, 22);
      }
    }
  }
}

int pixel_text_width(std::string_view text, int scale) {
  return static_cast<int>(text.size()) * 8 * scale;
}

void pixel_text(rgba_image& img, int x, int y, std::string_view text, int scale, uint32_t top_rgb,
                uint32_t bottom_rgb) {
  const int shadow = std::max(1, scale / 2 + 1);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < text.size(); ++i) {
      const int gx = x + static_cast<int>(i) * 8 * scale;
      for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
          if (!glyph_pixel(text[i], column, row)) continue;
          for (int sy = 0; sy < scale; ++sy)
            for (int sx = 0; sx < scale; ++sx) {
              const int px = gx + column * scale + sx, py = y + row * scale + sy;
              if (pass == 0) {
                blend(img, px + shadow, py + shadow, opaque(0x140E10), 200);
                continue;
              }
              rgba c = mix_rgb(top_rgb, bottom_rgb, row * scale + sy, 8 * scale - 1);
              put(img, px, py, c);
              if (sy == scale - 1 && scale > 2) shade(img, px, py, -38);
            }
        }
    }
  }
}

void engraved_text(rgba_image& img, int x, int y, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i)
    for (int row = 0; row < 8; ++row)
      for (int column = 0; column < 8; ++column) {
        if (!glyph_pixel(text[i], column, row)) continue;
        const int px = x + static_cast<int>(i) * 8 + column, py = y + row;
        shade(img, px, py, -46);
        if (row == 7 || !glyph_pixel(text[i], column, row + 1)) shade(img, px, py + 1, 28);
      }
}
