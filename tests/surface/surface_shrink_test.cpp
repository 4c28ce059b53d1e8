#include "surface/surface_shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "surface/exact_divisor.h"

namespace {

// Target pixel (tx, ty) as the weighted mean of every source pixel of the area, each weighed by
// how much of it lies under the target pixel (in units of a source pixel's share of a target).
uint32_t covered_mean(const surface& source, const rect& from, int width, int height, int tx,
                      int ty) {
  const int64_t sw = from.x2 - from.x1, sh = from.y2 - from.y1;
  const auto overlap = [](int64_t s, int64_t t, int64_t source_size, int64_t target_size) {
    return std::max<int64_t>(0, std::min((s + 1) * target_size, (t + 1) * source_size) -
                                    std::max(s * target_size, t * source_size));
  };
  uint32_t pixel = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    int64_t sum = 0;
    // Only the source pixels near the target pixel can lie under it.
    for (int64_t y = ty * sh / height; y < std::min(sh, (ty + 1) * sh / height + 1); ++y)
      for (int64_t x = tx * sw / width; x < std::min(sw, (tx + 1) * sw / width + 1); ++x)
        sum += ((source.at(from.x1 + x, from.y1 + y) >> shift) & 0xFF) * overlap(x, tx, sw, width) *
               overlap(y, ty, sh, height);
    pixel |= static_cast<uint32_t>((sum + sw * sh / 2) / (sw * sh)) << shift;
  }
  return pixel;
}

// Pixels whose channels all differ and reach 255.
surface mixed_pixels(int width, int height) {
  surface source = create_surface(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      source.pixels[y * width + x] = ((x * 37 + y) % 256) << 16 | ((x + y * 53) % 256) << 8 |
                                     (x * y % 256) | 0xFF0000 * (x == 5);
  return source;
}

void expect_covered_means(const surface& source, const rect& from,
                          std::initializer_list<std::pair<int, int>> sizes) {
  for (const auto& [width, height] : sizes) {
    surface out = create_surface(width, height);
    shrink_area(source, from, out);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        ASSERT_EQ(out.at(x, y), covered_mean(source, from, width, height, x, y))
            << width << "x" << height << " at " << x << "," << y;
  }
}

// Sizes that share source rows and columns between target pixels, with an odd number of rows
// under a target row and columns left over from groups of four.
TEST(ShrinkArea, EveryPixelIsTheMeanOfWhatItCovers) {
  expect_covered_means(mixed_pixels(97, 61), {3, 2, 93, 59}, {{36, 23}, {90, 57}, {7, 1}, {3, 2}});
}

// A target row's share of a source row just fits a 16-bit weight, then no longer does.
TEST(ShrinkArea, TallTargetsAverageAlike) {
  expect_covered_means(mixed_pixels(7, 40000), {1, 0, 7, 40000}, {{5, 32767}, {5, 32768}});
}

// Every divisor from 1 to 5000 and the areas thumbnails shrink, with numerators around each
// multiple where a quotient steps, across the whole 32-bit range.
TEST(ExactDivisor, DividesAsTheDivideInstructionDoes) {
  std::vector<uint32_t> divisors;
  for (uint32_t d = 1; d <= 5000; ++d) divisors.push_back(d);
  for (const uint32_t d : {640u * 400, 800u * 600, 1u << 20, (1u << 31) - 1, 1u << 31, 4294967295u})
    divisors.push_back(d);
  uint64_t mixer = 12345;
  for (const uint32_t d : divisors) {
    const exact_divisor by(d);
    for (const uint64_t quotient :
         {uint64_t{0}, uint64_t{1}, uint64_t{255}, uint64_t{4294967295} / d}) {
      for (const int64_t step : {-1, 0, 1}) {
        const int64_t n = static_cast<int64_t>(quotient * d) + step;
        if (n < 0 || n > 4294967295) continue;
        ASSERT_EQ(by.divide(static_cast<uint32_t>(n)), static_cast<uint32_t>(n) / d)
            << n << "/" << d;
      }
    }
    for (int k = 0; k < 20; ++k) {
      mixer = mixer * 6364136223846793005u + 1442695040888963407u;
      const auto n = static_cast<uint32_t>(mixer >> 32);
      ASSERT_EQ(by.divide(n), n / d) << n << "/" << d;
    }
  }
}

}  // namespace
