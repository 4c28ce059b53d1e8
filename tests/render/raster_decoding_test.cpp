#include "render/raster_decoding.h"

#include <gtest/gtest.h>

#include <array>

#include "render/caption.h"
#include "render/picture_chain.h"
#include "render/work_surfaces.h"
#include "render_fixture.h"
#include "support/surfaces.h"

namespace {

constexpr uint32_t caption_grey = 0x333333;

std::array<uint8_t, max_canvas_width> decoded_line(const render_fixture& f, int frame, int y) {
  std::array<uint8_t, max_canvas_width> line{};
  decode_raster_line(f.model.raster[frame], f.model.canvas, y, line.data());
  return line;
}

raster_cell hires(uint8_t graphics, uint8_t clear, uint8_t set) {
  return {graphics, false, {clear, set, 0, 0}};
}

sprite_row sprite_at(int x, uint8_t first_byte, uint8_t colour, bool behind) {
  return {.x = static_cast<int16_t>(x),
          .data = {first_byte, 0, 0},
          .colour = colour,
          .shown = true,
          .behind = behind};
}

TEST(RasterLine, HiresBitsAndMulticolourPairsChooseTheirColours) {
  auto f = make_render_fixture();
  f->model.canvas = {16, 1};
  f->model.raster[0].cell(0, 0) = hires(0xA0, 3, 7);                 // 1010 0000
  f->model.raster[0].cell(0, 1) = {0x1B, true, {1, 2, 0x34, 0xF5}};  // 00 01 10 11
  const auto line = decoded_line(*f, 0, 0);
  const std::array<uint8_t, 16> want = {7, 3, 7, 3, 3, 3, 3, 3, 1, 1, 2, 2, 4, 4, 5, 5};
  for (int x = 0; x < 16; ++x) EXPECT_EQ(line[x], want[x]) << "x " << x;
}

TEST(RasterLine, SpritesBehindTheGraphicsShowOnlyWhereNoForegroundBitIsSet) {
  auto f = make_render_fixture();
  f->model.canvas = {16, 1};
  f->model.raster[0].cell(0, 0) = hires(0xF0, 0, 1);
  f->model.raster[0].cell(0, 1) = {0xB0, true, {2, 3, 4, 5}};  // 10 11 00 00
  f->model.raster[0].sprites[0].sprites[0] = sprite_at(0, 0xFF, 9, true);
  f->model.raster[0].sprites[0].sprites[0].data = {0xFF, 0xFF, 0};
  const auto line = decoded_line(*f, 0, 0);
  const std::array<uint8_t, 16> want = {1, 1, 1, 1, 9, 9, 9, 9, 4, 4, 5, 5, 9, 9, 9, 9};
  for (int x = 0; x < 16; ++x) EXPECT_EQ(line[x], want[x]) << "x " << x;
}

// A picture cut at a fine offset shows the raster from its left column and top line on, its
// sprites included.
TEST(RasterLine, APictureCutFromItsCellsStartsAtItsOffset) {
  auto f = make_render_fixture();
  f->model.canvas = {8, 1, 6, 2};
  f->model.raster[0].cell(2, 0) = hires(0x01, 3, 7);  // 0000 0001
  f->model.raster[0].cell(2, 1) = hires(0x80, 3, 7);  // 1000 0000
  f->model.raster[0].sprites[2].sprites[0] = sprite_at(12, 0x80, 9, false);
  const auto line = decoded_line(*f, 0, 0);
  const std::array<uint8_t, 8> want = {3, 7, 7, 3, 3, 3, 9, 3};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(line[x], want[x]) << "x " << x;
}

// As on the video chip, the earlier sprite wins where two overlap, and when it hides behind
// the foreground, the graphics show there even over a later sprite in front.
TEST(RasterLine, EarlierSpriteWinsAndItsPriorityDecides) {
  auto f = make_render_fixture();
  f->model.canvas = {8, 1};
  f->model.raster[0].cell(0, 0) = hires(0x0F, 0, 1);
  sprite_line& sprites = f->model.raster[0].sprites[0];
  sprites.sprites[3] = sprite_at(0, 0xC3, 6, true);  // pixels 0, 1, 6, 7
  sprites.sprites[5] = sprite_at(0, 0xFF, 8, false);
  const auto line = decoded_line(*f, 0, 0);
  const std::array<uint8_t, 8> want = {6, 6, 8, 8, 8, 8, 1, 1};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(line[x], want[x]) << "x " << x;
}

TEST(RasterLine, ExpandedMulticolourSpritePairsAreFourPixelsWide) {
  auto f = make_render_fixture();
  f->model.canvas = {40, 1};
  sprite_line& sprites = f->model.raster[0].sprites[0];
  sprites.multicolor_1 = 11;
  sprites.multicolor_2 = 12;
  sprites.sprites[0] = {.x = 4,
                        .data = {0x6C, 0, 0},
                        .colour = 13,
                        .shown = true,
                        .multicolor = true,
                        .x_expanded = true};  // 01 10 11 00
  const auto line = decoded_line(*f, 0, 0);
  for (int x = 0; x < 40; ++x) {
    const int pair = x < 4 ? -1 : (x - 4) / 4;
    const uint8_t want = pair == 0 ? 11 : pair == 1 ? 13 : pair == 2 ? 12 : 0;
    EXPECT_EQ(line[x], want) << "x " << x;
  }
}

TEST(RasterLine, SpritesReachNoFurtherThanTheLinesEnd) {
  auto f = make_render_fixture();
  f->model.canvas = {max_canvas_width, 1};
  f->model.raster[0].sprites[0].sprites[0] = sprite_at(max_canvas_width - 4, 0xFF, 2, false);
  f->model.raster[0].sprites[0].sprites[1] = sprite_at(-4, 0xFF, 3, false);
  const auto line = decoded_line(*f, 0, 0);
  EXPECT_EQ(line[max_canvas_width - 1], 2);
  EXPECT_EQ(line[0], 3);
  EXPECT_EQ(line[4], 0);
}

format_entry raster_format(decoding decode) {
  return {.id = 99, .name = "Test raster", .decode = decode};
}

// A picture taller and wider than the screen: the work surface holds all of it, 2 x 2, with the
// screen's margins right and below, and the caption follows it down.
TEST(RenderRaster, WorkSurfaceHoldsTheWholeCanvasAndTheCaptionBelowIt) {
  auto f = make_render_fixture();
  f->model.canvas = {max_canvas_width, max_canvas_height};
  raster_frame& frame = f->model.raster[0];
  for (int y = 0; y < max_canvas_height; ++y)
    for (int c = 0; c < raster_columns; ++c) frame.cell(y, c) = hires(0, 1, 1);
  f->palette = distinct_palette;
  f->context.caption = {"name", "format"};
  render_picture(raster_format(decoding::raster), f->context);
  const surface& a = f->work_surface_a;
  EXPECT_EQ(a.width, 2 * max_canvas_width + 160);
  EXPECT_EQ(a.height, 2 * max_canvas_height + 200);
  EXPECT_NE(a.at(2 * max_canvas_width - 1, 2 * max_canvas_height - 1), 0u);
  EXPECT_EQ(a.at(2 * max_canvas_width, 0), 0u);
  const int caption = caption_top_for(f->model.canvas);
  EXPECT_EQ(caption, 2 * max_canvas_height + 95);
  EXPECT_EQ(a.at(300, caption + 1), caption_grey);
  EXPECT_FALSE(f->context.two_surface_picture);
  save_image_on_failure(a, "raster_large");
}

TEST(RenderRaster, SmallerCanvasKeepsTheScreensSurfaceAndCaption) {
  auto f = make_render_fixture();
  f->model.canvas = {96, 168};
  f->context.caption = {"name", "format"};
  render_picture(raster_format(decoding::raster), f->context);
  EXPECT_EQ(f->work_surface_a.width, screen_width);
  EXPECT_EQ(f->work_surface_a.height, screen_height);
  EXPECT_EQ(f->work_surface_a.at(300, screen_caption_top + 1), caption_grey);
}

void fill_frames(render_fixture& f, bool multicolor) {
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 0; y < f.model.canvas.height; ++y)
      for (int c = 0; c < f.model.canvas.columns(); ++c)
        f.model.raster[frame].cell(y, c) = {0, multicolor, {uint8_t(frame + 1), 0, 0, 0}};
}

// STATIC mode shows two hires frames as their mean, channel by channel, rounded down, as the
// two-frame bitmaps do; each frame keeps its own sprites.
TEST(RenderRaster, HiresLaceShowsTheMeanOfBothFramesWithTheirOwnSprites) {
  const auto rendered = [](decoding decode, uint8_t colour_a, uint8_t colour_b) {
    auto f = make_render_fixture();
    f->palette = distinct_palette;
    f->model.canvas = {16, 2};
    for (int frame = 0; frame < 2; ++frame)
      for (int y = 0; y < 2; ++y)
        for (int c = 0; c < 2; ++c)
          f->model.raster[frame].cell(y, c) = hires(0, frame == 0 ? colour_a : colour_b, 0);
    f->model.raster[1].sprites[0].sprites[0] = sprite_at(8, 0xFF, 5, false);
    render_picture(raster_format(decode), f->context);
    return f;
  };
  const auto one_a = rendered(decoding::raster, 1, 1);
  const auto one_b = rendered(decoding::raster, 2, 2);
  const auto lace = rendered(decoding::raster_hires_lace, 1, 2);
  const uint32_t a = one_a->work_surface_a.at(2, 0), b = one_b->work_surface_a.at(2, 0);
  ASSERT_NE(a, b);
  EXPECT_EQ(lace->work_surface_a.at(2, 0), (a & b) + ((a ^ b) >> 1 & 0x7F7F7F));
  EXPECT_EQ(lace->work_surface_b.at(2, 0), 0u);
  EXPECT_FALSE(lace->context.two_surface_picture);
  // Frame B's sprite, from pixel 8 of line 0 on, shows in frame B alone and so in the mean.
  EXPECT_NE(lace->work_surface_a.at(18, 0), lace->work_surface_a.at(2, 0));
  EXPECT_EQ(lace->chunky.chunky_b[8], 5);
  EXPECT_EQ(lace->chunky.chunky_a[8], 1);
}

// In INTERLACED mode each frame's surface shows its own sprites and no other frame's.
TEST(RenderRaster, InterlacedHiresFramesShowTheirOwnSprites) {
  auto f = make_render_fixture();
  f->crt.display_mode = display_interlaced;
  f->model.canvas = {16, 1};
  fill_frames(*f, false);
  f->model.raster[0].sprites[0].sprites[0] = sprite_at(0, 0x80, 7, false);
  f->model.raster[1].sprites[0].sprites[3] = sprite_at(8, 0x80, 5, false);
  render_picture(raster_format(decoding::raster_hires_lace), f->context);
  EXPECT_TRUE(f->context.two_surface_picture);
  EXPECT_EQ(f->chunky.chunky_a[0], 7);
  EXPECT_EQ(f->chunky.chunky_b[0], 2);
  EXPECT_EQ(f->chunky.chunky_a[8], 1);
  EXPECT_EQ(f->chunky.chunky_b[8], 5);
}

TEST(RenderRaster, MulticolourLaceTakesEachFramesHalfOfAPixelInStaticMode) {
  auto f = make_render_fixture();
  f->model.canvas = {16, 2};
  fill_frames(*f, true);
  render_picture(raster_format(decoding::raster_multicolor_lace), f->context);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(f->chunky.chunky_a[16 + x], x % 2 + 1) << "entry " << x;
}

// In INTERLACED mode each frame has its own surface; a multicolour frame B lies one hires
// pixel (two screen columns) further right, a hires one does not.
TEST(RenderRaster, InterlacedFramesKeepTheirOwnSurfaces) {
  for (const decoding decode : {decoding::raster_hires_lace, decoding::raster_multicolor_lace}) {
    auto f = make_render_fixture();
    f->crt.display_mode = display_interlaced;
    f->palette = distinct_palette;
    f->model.canvas = {16, 2};
    fill_frames(*f, decode == decoding::raster_multicolor_lace);
    render_picture(raster_format(decode), f->context);
    EXPECT_TRUE(f->context.two_surface_picture);
    const bool shifted = decode == decoding::raster_multicolor_lace;
    EXPECT_EQ(f->work_surface_b.at(0, 0) == 0, shifted);
    EXPECT_EQ(f->work_surface_b.at(33, 0) != 0, shifted);
    EXPECT_NE(f->work_surface_a.at(0, 0), 0u);
  }
}

}  // namespace
