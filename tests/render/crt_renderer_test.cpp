#include "render/crt_renderer.h"

#include <gtest/gtest.h>

#include <vector>

#include "render_fixture.h"

namespace {

// Even-line red values along line 0 after rendering colour index `index` on the whole line.
std::vector<uint32_t> even_line_reds(render_fixture& f, uint8_t index, int columns) {
  f.chunky.chunky_a.fill(index);
  render_160_wide(f.context, render_target::a);
  std::vector<uint32_t> reds;
  for (int x = 0; x < columns; ++x) reds.push_back(red_of(f.work_surface_a.at(x, 0)));
  return reds;
}

TEST(InertiaStep, MovesEachChannelTheFractionKOfItsDistance) {
  double blue = 0.0, green = 100.0, red = 255.0;
  inertia_step(blue, green, red, 200.0, 0.0, 255.0, 0.5);
  EXPECT_EQ(blue, 100.0);
  EXPECT_EQ(green, 50.0);
  EXPECT_EQ(red, 255.0);
}

TEST(InertiaStep, ColourTwoAtDefaultFactorGivesRedFifty) {
  double blue = 0.0, green = 0.0, red = 0.0;
  inertia_step(blue, green, red, 0.0, 0.0, 168.0, inertia_table[5]);
  EXPECT_EQ(static_cast<int>(red), 50);
}

TEST(Dimmed, TruncatesTheExactProduct) {
  EXPECT_EQ(dimmed(5, 0.6), 2);  // the double nearest 0.6 lies below 0.6
  EXPECT_EQ(dimmed(255, 0.6), 152);
  EXPECT_EQ(dimmed(10, 0.6), 5);
  EXPECT_EQ(dimmed(255, 0.01), 2);
  EXPECT_EQ(dimmed(99, 0.01), 0);
  EXPECT_EQ(dimmed(255, 0.9), 229);
}

TEST(Render160Wide, WhiteRunAtDefaultFactorsApproachesButNeverReaches255) {
  auto f = make_render_fixture();
  const std::vector<uint32_t> even = even_line_reds(*f, 1, 640);
  const std::vector<uint32_t> first = {76,  130, 167, 193, 212, 224, 233, 240,
                                       244, 247, 249, 251, 252, 253, 253};
  for (size_t x = 0; x < 640; ++x) EXPECT_EQ(even[x], x < first.size() ? first[x] : 254u) << x;
  const std::vector<uint32_t> odd = {45,  77,  100, 115, 127, 134, 139, 143,
                                     146, 148, 149, 150, 151, 151, 151};
  for (int x = 0; x < 640; ++x) {
    const uint32_t expected = x < 15 ? odd[x] : 152;
    const uint32_t pixel = f->work_surface_a.at(x, 1);
    EXPECT_EQ(pixel, expected * 0x010101) << x;
  }
}

TEST(Render160Wide, WhiteRunReaches255AtFactors05And08) {
  auto f = make_render_fixture();
  f->crt.set_inertia_index(9);
  std::vector<uint32_t> reds = even_line_reds(*f, 1, 640);
  EXPECT_EQ(std::vector<uint32_t>(reds.begin(), reds.begin() + 6),
            (std::vector<uint32_t>{127, 191, 223, 239, 247, 251}));
  EXPECT_EQ(reds.back(), 255u);
  f->crt.set_inertia_index(10);
  reds = even_line_reds(*f, 1, 640);
  EXPECT_EQ(std::vector<uint32_t>(reds.begin(), reds.begin() + 4),
            (std::vector<uint32_t>{204, 244, 252, 254}));
  EXPECT_EQ(reds.back(), 255u);
}

TEST(Render160Wide, FirstPixelOfRedLineIs0x320000) {
  auto f = make_render_fixture();
  f->chunky.chunky_a.fill(2);
  render_160_wide(f->context, render_target::a);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 0x320000u);
}

TEST(Render160Wide, ConvertsPaletteBgrToSurfaceRgbPerChannel) {
  auto f = make_render_fixture();
  f->palette = distinct_palette;
  f->crt.set_inertia_index(10);
  f->crt.set_scanline_index(9);
  f->chunky.chunky_a.fill(3);
  render_160_wide(f->context, render_target::a);
  const uint32_t colour = distinct_palette[3];
  const uint32_t end = f->work_surface_a.at(639, 0);
  EXPECT_EQ(red_of(end), colour & 0xFF);
  EXPECT_EQ(green_of(end), (colour >> 8) & 0xFF);
  EXPECT_EQ(blue_of(end), colour >> 16);
  const uint32_t below = f->work_surface_a.at(639, 1);
  EXPECT_EQ(red_of(below), dimmed(colour & 0xFF, 0.9));
  EXPECT_EQ(green_of(below), dimmed((colour >> 8) & 0xFF, 0.9));
  EXPECT_EQ(blue_of(below), dimmed(colour >> 16, 0.9));
}

TEST(Render160Wide, HighNibbleOfAnEntryIsIgnored) {
  auto f = make_render_fixture();
  f->chunky.chunky_a.fill(0x21);
  render_160_wide(f->context, render_target::a);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 76u * 0x010101);
}

TEST(Render160Wide, AllBlackPictureWritesZeroEverywhere) {
  auto f = make_render_fixture();
  std::fill(f->work_surface_a.pixels.begin(), f->work_surface_a.pixels.end(), 0xABCDEFu);
  f->chunky.chunky_a.fill(0);
  render_160_wide(f->context, render_target::a);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_EQ(f->work_surface_a.at(x, y), 0u) << x << "," << y;
  EXPECT_EQ(f->work_surface_a.at(640, 0), 0xABCDEFu);
  EXPECT_EQ(f->work_surface_a.at(0, 400), 0xABCDEFu);
}

TEST(Render160Wide, EveryLineFadesInFromBlackIndependently) {
  auto f = make_render_fixture();
  for (int y = 0; y < 200; ++y)
    std::fill_n(f->chunky.chunky_a.begin() + y * 160, 160, static_cast<uint8_t>(y % 2 ? 1 : 2));
  render_160_wide(f->context, render_target::a);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 0x320000u);
  EXPECT_EQ(f->work_surface_a.at(0, 2), 76u * 0x010101);
  EXPECT_EQ(f->work_surface_a.at(0, 4), 0x320000u);
}

TEST(Render160Wide, FrameBIsTwoColumnsRightAndLeavesColumnsZeroAndOne) {
  auto f = make_render_fixture();
  std::fill(f->work_surface_b.pixels.begin(), f->work_surface_b.pixels.end(), 0x123456u);
  f->chunky.chunky_b.fill(1);
  render_160_wide(f->context, render_target::b);
  for (int y = 0; y < 400; ++y) {
    EXPECT_EQ(f->work_surface_b.at(0, y), 0x123456u);
    EXPECT_EQ(f->work_surface_b.at(1, y), 0x123456u);
  }
  EXPECT_EQ(f->work_surface_b.at(2, 0), 76u * 0x010101);
  EXPECT_EQ(f->work_surface_b.at(641, 0), 254u * 0x010101);
  EXPECT_EQ(f->work_surface_b.at(641, 399), 152u * 0x010101);
  EXPECT_EQ(f->work_surface_b.at(642, 0), 0x123456u);
  EXPECT_EQ(f->work_surface_a.at(2, 0), 0u);
}

TEST(Render320Wide, TwoStepsPerEntryAndSmoothingRunsThroughTheLine) {
  auto f = make_render_fixture();
  for (int i = 0; i < 64000; ++i) f->chunky.chunky_a[i] = i % 2 ? 0 : 1;
  render_320_wide(f->context, render_target::a);
  // white, white, black, black ...: 76, 130 then falling toward 0 by 0.7 each step.
  EXPECT_EQ(red_of(f->work_surface_a.at(0, 0)), 76u);
  EXPECT_EQ(red_of(f->work_surface_a.at(1, 0)), 130u);
  EXPECT_EQ(red_of(f->work_surface_a.at(2, 0)), 91u);  // 130.05 * 0.7 = 91.035
  EXPECT_EQ(red_of(f->work_surface_a.at(0, 398)), 76u);
  EXPECT_EQ(f->work_surface_a.at(640, 0), 0u);
}

}  // namespace
