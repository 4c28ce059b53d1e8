#include "surface/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text/text.h"

namespace {

// A surface whose every pixel encodes its own position.
surface numbered(int w, int h) {
  surface s = create_surface(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.pixels[y * w + x] = static_cast<uint32_t>(y << 12 | x);
  return s;
}

// A work surface made at its largest takes each picture's size in the storage it has.
TEST(ReshapeSurface, TakesAnySmallerSizeInItsOwnStorageWithEveryPixelZero) {
  surface s = numbered(1440, 1000);
  const uint32_t* storage = s.pixels.data();
  reshape_surface(s, 800, 600);
  EXPECT_EQ(s.width, 800);
  EXPECT_EQ(s.height, 600);
  EXPECT_EQ(s.pixels.size(), 800u * 600u);
  EXPECT_TRUE(std::all_of(s.pixels.begin(), s.pixels.end(), [](uint32_t p) { return p == 0; }));
  reshape_surface(s, 1440, 1000);
  EXPECT_EQ(s.pixels.data(), storage);
  reshape_surface(s, 0, 5);
  EXPECT_FALSE(s.valid());
}

TEST(CopyRect, PictureAreaCopiesExactly659By549To70And50) {
  const surface source = numbered(800, 600);
  surface dest = create_surface(800, 600);
  fill_surface(dest, 0xFF000000);
  copy_rect(dest, 70, 50, source, {0, 0, 659, 549});
  int copied = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      const bool inside = x >= 70 && x < 70 + 659 && y >= 50 && y < 50 + 549;
      if (inside) {
        ASSERT_EQ(dest.at(x, y), source.at(x - 70, y - 50)) << x << "," << y;
        ++copied;
      } else {
        ASSERT_EQ(dest.at(x, y), 0xFF000000u) << x << "," << y;
      }
    }
  EXPECT_EQ(copied, 659 * 549);
}

TEST(CopyRect, ClipsAtTheDestinationEdges) {
  const surface source = numbered(16, 16);
  surface dest = create_surface(10, 10);
  copy_rect(dest, -2, 6, source, {0, 0, 16, 16});
  EXPECT_EQ(dest.at(0, 6), source.at(2, 0));
  EXPECT_EQ(dest.at(9, 9), source.at(11, 3));
  EXPECT_EQ(dest.at(0, 5), 0u);
}

TEST(FillSurface, SetsEveryPixelToTheRawValue) {
  surface s = numbered(7, 5);
  fill_surface(s, 0x00123456);
  for (uint32_t p : s.pixels) ASSERT_EQ(p, 0x00123456u);
}

TEST(DrawRect, FillsUpToButExcludingX2AndY2WithABorderInThePenColour) {
  surface s = create_surface(20, 20);
  fill_surface(s, 0x00ABCDEF);
  s.canvas.brush_colour = 0x00112233;  // canvas colours are BGR
  s.canvas.pen_colour = 0x00445566;
  draw_rect(s, 3, 4, 10, 12);
  const uint32_t brush = 0x00332211, pen = 0x00665544;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 3 && x <= 9 && y >= 4 && y <= 11;
      const bool border = inside && (x == 3 || x == 9 || y == 4 || y == 11);
      const uint32_t expected = border ? pen : inside ? brush : 0x00ABCDEF;
      ASSERT_EQ(s.at(x, y), expected) << x << "," << y;
    }
}

TEST(DrawRect, ClearBrushDrawsOnlyTheBorder) {
  surface s = create_surface(10, 10);
  fill_surface(s, 0x00010203);
  s.canvas.brush = brush_style::clear;
  s.canvas.pen_colour = 0x000000FF;
  draw_rect(s, 1, 1, 6, 6);
  EXPECT_EQ(s.at(1, 1), 0x00FF0000u);
  EXPECT_EQ(s.at(5, 5), 0x00FF0000u);
  EXPECT_EQ(s.at(3, 3), 0x00010203u);
  EXPECT_EQ(s.at(6, 6), 0x00010203u);
}

// Text set far beyond the surface: nothing is drawn, and no pointer past a row is formed.
TEST(DrawRect, FarOutsideTheSurfaceDrawsNothing) {
  surface s = create_surface(10, 10);
  fill_surface(s, 0x00010203);
  for (const rect r :
       {rect{100000, 2, 100050, 8}, rect{-100050, 2, -100000, 8}, rect{2, 100000, 8, 100050}})
    draw_rect(s, r.x1, r.y1, r.x2, r.y2);
  for (uint32_t p : s.pixels) ASSERT_EQ(p, 0x00010203u);
}

TEST(DrawText, PutsPixelsOfTheFontColourInsideItsCellOnly) {
  surface s = create_surface(200, 60);
  fill_surface(s, 0x00102030);
  s.canvas.brush = brush_style::clear;
  s.canvas.font = {"Arial", 8, true, 0x0000FF00};  // green
  const int width = text_width(s, "HH");
  const int height = text_height(s);
  if (width == 0) GTEST_SKIP() << "no face for Arial on this machine";
  draw_text(s, 40, 20, "HH");
  int exact = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool in_cell = x >= 40 && x < 40 + width && y >= 20 && y < 20 + height;
      if (!in_cell) {
        ASSERT_EQ(s.at(x, y), 0x00102030u) << x << "," << y;
      } else if (s.at(x, y) == 0x0000FF00u) {
        ++exact;
      }
    }
  EXPECT_GT(exact, 10);   // the stems of two bold H are solid
  EXPECT_GE(height, 10);  // 8 pt at 96 DPI
  EXPECT_LE(height, 14);
}

TEST(DrawText, SolidBrushFillsTheCellBackground) {
  surface s = create_surface(200, 60);
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = 0x00003300;
  s.canvas.font = {"Arial", 8, false, 0x00FFFFFF};
  if (text_width(s, "i") == 0) GTEST_SKIP() << "no face for Arial on this machine";
  draw_text(s, 10, 10, "i");
  EXPECT_EQ(s.at(10, 10), 0x00003300u);
  EXPECT_EQ(s.at(9, 10), 0u);
}

}  // namespace
