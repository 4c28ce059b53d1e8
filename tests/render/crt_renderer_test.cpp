#include "render/crt_renderer.h"

#include <gtest/gtest.h>

#include <vector>

#include "render_fixture.h"
#include "surface/turbopixels.h"

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

// The render as the steps are described, one inertia step and two put_pixel calls per screen
// column, with no step left out and no line copied.
void render_every_step(render_fixture& f, render_target target, int entries, int steps,
                       surface& out) {
  const auto& buffer = target == render_target::a ? f.chunky.chunky_a : f.chunky.chunky_b;
  const int shift = target == render_target::b ? 2 : 0;
  lock_pixels(out);
  double red = 0.0, green = 0.0, blue = 0.0;
  for (int i = 0; i < entries * 200; ++i) {
    if (i % entries == 0) red = green = blue = 0.0;
    const uint32_t colour = f.palette[buffer[i] & 0x0F];
    const int x = steps * (i % entries) + shift, y = 2 * (i / entries);
    for (int s = 0; s < steps; ++s) {
      inertia_step(blue, green, red, colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF,
                   f.crt.inertia_factor);
      const auto r = static_cast<uint8_t>(red), g = static_cast<uint8_t>(green),
                 b = static_cast<uint8_t>(blue);
      put_pixel(x + s, y, r << 16 | g << 8 | b);
      const auto& dim = f.crt.scanline_factors;
      put_pixel(x + s, y + 1, dimmed(r, dim[0]) << 16 | dimmed(g, dim[1]) << 8 | dimmed(b, dim[2]));
    }
  }
  unlock_pixels();
}

// Lines of long runs (whose states settle), of changes at every entry, and lines repeating the
// one above; different in both buffers.
void fill_varied_lines(chunky_buffers& chunky) {
  for (int i = 0; i < 64000; ++i) {
    const int line = i / 320, column = i % 320;
    const int run = (line / 3) % 4 == 0 ? column / 90 : column * 7 + line;
    chunky.chunky_a[i] = static_cast<uint8_t>(run * 5 + line / 3);
    chunky.chunky_b[i] = static_cast<uint8_t>(run + (line / 2) * 3);
  }
}

// Colours that share two channels and differ in the third, each channel in turn.
constexpr palette_colours channel_sharing_palette = [] {
  palette_colours colours{};
  for (uint32_t n = 0; n < 16; ++n)
    colours[n] = (n & 1) * 200 | ((n & 2) * 50) << 8 | ((n & 4) * 40 + (n & 8) * 10) << 16;
  return colours;
}();

TEST(RenderLines, DrawEveryPixelAsTakingEveryStepWould) {
  for (const palette_colours& palette : {distinct_palette, channel_sharing_palette})
    for (const uint8_t inertia : {0, 5, 10}) {
      const uint8_t scanline = inertia == 5 ? 0 : 9;
      auto f = make_render_fixture();
      f->palette = palette;
      f->crt.set_inertia_index(inertia);
      f->crt.set_scanline_index(scanline);
      fill_varied_lines(f->chunky);
      surface expected = create_surface(screen_width, screen_height);
      render_320_wide(f->context, render_target::a);
      render_every_step(*f, render_target::a, 320, 2, expected);
      EXPECT_TRUE(f->work_surface_a.pixels == expected.pixels) << int{inertia};
      render_160_wide(f->context, render_target::b);
      surface expected_b = create_surface(screen_width, screen_height);
      render_every_step(*f, render_target::b, 160, 4, expected_b);
      EXPECT_TRUE(f->work_surface_b.pixels == expected_b.pixels) << int{inertia};
    }
}

// A surface smaller than the picture keeps what falls inside it, as pixel writes outside a
// surface are ignored.
TEST(RenderLines, ASmallerSurfaceKeepsThePartInsideIt) {
  auto f = make_render_fixture();
  fill_varied_lines(f->chunky);
  f->work_surface_a = create_surface(301, 101);
  render_320_wide(f->context, render_target::a);
  surface expected = create_surface(301, 101);
  render_every_step(*f, render_target::a, 320, 2, expected);
  EXPECT_TRUE(f->work_surface_a.pixels == expected.pixels);
}

}  // namespace
