#include "surface/turbopixels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool all_zero(const surface& s) {
  return std::all_of(s.pixels.begin(), s.pixels.end(), [](uint32_t p) { return p == 0; });
}

TEST(TurboPixels, WritesInsideTheSurfaceAtPitchTimesRowPlusColumn) {
  surface s = create_surface(800, 600);
  ASSERT_TRUE(lock_pixels(s));
  put_pixel(0, 0, 0x112233);
  put_pixel(799, 599, 0x445566);
  put_pixel(5, 7, 0x778899);
  unlock_pixels();
  EXPECT_EQ(s.at(0, 0), 0x112233u);
  EXPECT_EQ(s.at(799, 599), 0x445566u);
  EXPECT_EQ(s.pixels[7 * 800 + 5], 0x778899u);
}

TEST(TurboPixels, WritesOutsideTheSurfaceAreIgnored) {
  surface s = create_surface(800, 600);
  ASSERT_TRUE(lock_pixels(s));
  put_pixel(800, 0, 0xFFFFFF);
  put_pixel(0, 600, 0xFFFFFF);
  put_pixel(800, 600, 0xFFFFFF);
  put_pixel(-1, 0, 0xFFFFFF);
  put_pixel(0, -1, 0xFFFFFF);
  put_pixel(-800, -600, 0xFFFFFF);
  unlock_pixels();
  EXPECT_TRUE(all_zero(s));
}

TEST(TurboPixels, WritesAfterAFailedLockOrAnUnlockAreIgnored) {
  surface none;
  EXPECT_FALSE(lock_pixels(none));
  put_pixel(0, 0, 0xABCDEF);  // must not crash

  surface s = create_surface(8, 8);
  ASSERT_TRUE(lock_pixels(s));
  unlock_pixels();
  put_pixel(1, 1, 0xABCDEF);
  EXPECT_TRUE(all_zero(s));
}

}  // namespace
