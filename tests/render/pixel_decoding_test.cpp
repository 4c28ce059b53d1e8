#include "render/pixel_decoding.h"

#include <gtest/gtest.h>

#include <utility>

#include "render_fixture.h"

namespace {

TEST(AddressMap, LastPairIsLine199Column318Cell999) {
  const pixel_pair_location at = locate_pixel_pair(31999);
  EXPECT_EQ(at.position, 63998);
  EXPECT_EQ(at.row, 199);
  EXPECT_EQ(at.cell, 999);
  EXPECT_EQ(bitmap_offset(63998), 7999);
  EXPECT_EQ(bitmap_offset(63999), 7999);
}

TEST(AddressMap, RasterLine13InCell43) {
  // Line 13 is line 5 of character row 1; cell 43 starts at hires column 24.
  const uint16_t pair = (13 * 320 + 24) / 2;
  const pixel_pair_location at = locate_pixel_pair(pair);
  EXPECT_EQ(at.position, 13 * 320 + 24);
  EXPECT_EQ(at.row, 13);
  EXPECT_EQ(at.cell, 43);
  EXPECT_EQ(bitmap_offset(at.position), 320 + 24 + 5);
}

TEST(AddressMap, EveryCellByteHoldsEightConsecutivePixelsOfOneLine) {
  for (uint16_t p = 0; p < 64000 - 7; p += 8) {
    const uint16_t offset = bitmap_offset(p);
    for (uint16_t k = 1; k < 8; ++k) ASSERT_EQ(bitmap_offset(p + k), offset);
    ASSERT_EQ(offset, ((p / 320) / 8) * 320 + ((p % 320) / 8) * 8 + (p / 320) % 8);
  }
}

TEST(DecodeMulticolor, BitPairsChooseBackgroundScreenNibblesAndColourRam) {
  auto f = make_render_fixture();
  f->model.bitmap_a[0] = 0x1B;  // 00 01 10 11
  f->model.screen_a[0] = 0x9C;
  f->model.color_ram[0] = 0xF5;
  f->model.line_background[0] = 0x3E;
  decode_multicolor(f->context);
  EXPECT_EQ(f->chunky.chunky_a[0], 14);
  EXPECT_EQ(f->chunky.chunky_a[1], 9);
  EXPECT_EQ(f->chunky.chunky_a[2], 12);
  EXPECT_EQ(f->chunky.chunky_a[3], 5);
}

TEST(DecodeMulticolor, ScreenByteOfTheOwnRasterLine) {
  auto f = make_render_fixture();
  f->model.bitmap_a[349] = 0x40;  // first pair 01: the screen's high nibble
  f->model.screen_a[349] = 0xA0;
  f->model.screen_a[43 * 8] = 0xB0;  // raster line 8 of the same cell
  decode_multicolor(f->context);
  EXPECT_EQ(f->chunky.chunky_a[13 * 160 + 12], 10);
  EXPECT_EQ(f->chunky.chunky_a[8 * 160 + 12], 0);
}

TEST(DecodeMulticolor, BackgroundFollowsTheRasterLine) {
  auto f = make_render_fixture();
  for (int y = 0; y < 200; ++y) f->model.line_background[y] = static_cast<uint8_t>(y);
  decode_multicolor(f->context);
  for (int y = 0; y < 200; ++y) {
    EXPECT_EQ(f->chunky.chunky_a[y * 160], y % 16);
    EXPECT_EQ(f->chunky.chunky_a[y * 160 + 159], y % 16);
  }
}

TEST(DecodeMulticolor, LeavesFrameBAndTwoSurfacePictureAlone) {
  auto f = make_render_fixture();
  f->chunky.chunky_b.fill(0x77);
  f->context.two_surface_picture = true;
  f->crt.display_mode = display_interlaced;
  decode_multicolor(f->context);
  EXPECT_EQ(f->chunky.chunky_b[0], 0x77);
  EXPECT_TRUE(f->context.two_surface_picture);
  EXPECT_EQ(f->work_surface_b.at(600, 530), 0u);
}

TEST(DecodeHires, SetBitsTakeTheHighNibble) {
  auto f = make_render_fixture();
  f->model.bitmap_a[0] = 0x80;
  f->model.screen_a[0] = 0x1C;
  f->chunky.chunky_b.fill(0x77);
  decode_hires(f->context);
  EXPECT_EQ(f->chunky.chunky_a[0], 1);
  for (int x = 1; x < 8; ++x) EXPECT_EQ(f->chunky.chunky_a[x], 12) << x;
  EXPECT_EQ(f->chunky.chunky_b[0], 0x77);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 0x4C4C4Cu);  // white at 0.3 over one step: 76
}

TEST(DecodeHires, RowsOfACellUseTheirOwnBytes) {
  auto f = make_render_fixture();
  f->model.bitmap_a[320 + 24 + 5] = 0x01;  // rightmost pixel of cell 43 on raster line 13
  f->model.screen_a[349] = 0xD2;
  decode_hires(f->context);
  EXPECT_EQ(f->chunky.chunky_a[13 * 320 + 31], 13);
  EXPECT_EQ(f->chunky.chunky_a[13 * 320 + 30], 2);
  EXPECT_EQ(f->chunky.chunky_a[12 * 320 + 31], 0);
}

TEST(DecodeUfli, SpritePixelsShowUnderClearBitmapBitsOnly) {
  auto f = make_render_fixture();
  // Line 0, x 24 and 25 (cell 3): bit 7 of the first byte of sprite block 0.
  f->model.sprite_bank[0] = 0x80;
  f->model.sprite_bank[0xFF0] = 0xF7;  // the one sprite colour: yellow
  f->model.screen_a[3 * 8] = 0x5C;
  f->model.bitmap_a[3 * 8] = 0x40;  // x 25 set
  decode_ufli(f->context);
  EXPECT_EQ(f->chunky.chunky_a[24], 7);
  EXPECT_EQ(f->chunky.chunky_a[25], 5);
  EXPECT_EQ(f->chunky.chunky_a[26], 12);
}

TEST(DecodeUfli, ModeFlagGivesEachSpriteColumnItsOwnColour) {
  auto f = make_render_fixture();
  // Line 42 lies in the second band and takes the second set of six: sprite column 5
  // (x 264..311) is block 12 + 6 + 5, and its row is (42 + 1) / 2 mod 21 = 0.
  f->model.sprite_bank[(12 + 6 + 5) * 64] = 0x80;
  f->model.sprite_bank[0xFF0] = 7;
  f->model.sprite_bank[0xFF2 + 5] = 13;
  decode_ufli(f->context);
  EXPECT_EQ(f->chunky.chunky_a[42 * 320 + 264], 7);
  f->model.sprite_bank[0xFEF] = 1;
  decode_ufli(f->context);
  EXPECT_EQ(f->chunky.chunky_a[42 * 320 + 264], 13);
  EXPECT_EQ(f->chunky.chunky_a[42 * 320 + 265], 13);
  EXPECT_EQ(f->chunky.chunky_a[42 * 320 + 266], 0);
  EXPECT_EQ(f->chunky.chunky_a[43 * 320 + 264], 0);
}

TEST(DecodeUfli, SpritesCoverX24To311OnEveryLine) {
  auto f = make_render_fixture();
  f->model.sprite_bank.fill(0xFF);
  decode_ufli(f->context);
  for (int y = 0; y < 200; ++y) {
    EXPECT_EQ(f->chunky.chunky_a[y * 320 + 23], 0) << y;
    EXPECT_EQ(f->chunky.chunky_a[y * 320 + 24], 15) << y;
    EXPECT_EQ(f->chunky.chunky_a[y * 320 + 311], 15) << y;
    EXPECT_EQ(f->chunky.chunky_a[y * 320 + 312], 0) << y;
  }
}

// Frame A is colour 1 on every pixel, frame B colour 4.
void fill_two_frames(render_fixture& f) {
  f.model.bitmap_a.fill(0x55);
  f.model.screen_a.fill(0x12);
  f.model.bitmap_b.fill(0xAA);
  f.model.screen_b.fill(0x34);
  f.chunky.chunky_b.fill(0x77);
  f.context.two_surface_picture = true;
}

TEST(DecodeTwoFrameMulticolor, StaticInterleavesFramesIntoOneSurface) {
  auto f = make_render_fixture();
  fill_two_frames(*f);
  f->crt.display_mode = display_static;
  decode_two_frame_multicolor(f->context);
  for (int i = 0; i < 32000; ++i) {
    ASSERT_EQ(f->chunky.chunky_a[2 * i], 1) << i;
    ASSERT_EQ(f->chunky.chunky_a[2 * i + 1], 4) << i;
  }
  EXPECT_EQ(f->chunky.chunky_b[0], 0x77);
  EXPECT_FALSE(f->context.two_surface_picture);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 0x4C4C4Cu);
  EXPECT_EQ(f->work_surface_b.at(100, 100), 0u);
}

TEST(DecodeTwoFrameMulticolor, InterlacedGivesEachFrameItsBufferAndSurface) {
  auto f = make_render_fixture();
  fill_two_frames(*f);
  f->crt.display_mode = display_interlaced;
  decode_two_frame_multicolor(f->context);
  for (int i = 0; i < 32000; ++i) {
    ASSERT_EQ(f->chunky.chunky_a[i], 1) << i;
    ASSERT_EQ(f->chunky.chunky_b[i], 4) << i;
  }
  EXPECT_TRUE(f->context.two_surface_picture);
  EXPECT_EQ(f->work_surface_a.at(0, 0), 0x4C4C4Cu);
  EXPECT_EQ(f->work_surface_b.at(0, 0), 0u);
  EXPECT_EQ(f->work_surface_b.at(2, 0), 0x31012Du);  // purple 164, 5, 153 at 0.3
}

// Frame A's pixels white, frame B's red, except the first of each line in frame B.
void fill_two_hires_frames(render_fixture& f) {
  f.model.bitmap_a.fill(0xFF);
  f.model.screen_a.fill(0x10);
  f.model.bitmap_b.fill(0x7F);
  f.model.screen_b.fill(0x26);
}

// Hires frames lie pixel over pixel; in STATIC mode the screen shows their mean, as the eye
// sees two frames that take turns.
TEST(DecodeTwoFrameHires, InterlacedFramesUnshiftedStaticTheirMean) {
  auto interlaced = make_render_fixture();
  fill_two_hires_frames(*interlaced);
  interlaced->crt.display_mode = display_interlaced;
  decode_two_frame_hires(interlaced->context);
  EXPECT_EQ(interlaced->chunky.chunky_a[0], 1);
  EXPECT_EQ(interlaced->chunky.chunky_b[0], 6);
  EXPECT_EQ(interlaced->chunky.chunky_b[1], 2);
  EXPECT_TRUE(interlaced->context.two_surface_picture);
  EXPECT_NE(interlaced->work_surface_b.at(0, 0), 0u);  // not moved right

  auto merged = make_render_fixture();
  fill_two_hires_frames(*merged);
  decode_two_frame_hires(merged->context);
  EXPECT_FALSE(merged->context.two_surface_picture);
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}, {3, 0}, {639, 399}, {320, 201}}) {
    const uint32_t a = interlaced->work_surface_a.at(x, y), b = interlaced->work_surface_b.at(x, y);
    const uint32_t mean = (red_of(a) + red_of(b)) / 2 << 16 | (green_of(a) + green_of(b)) / 2 << 8 |
                          (blue_of(a) + blue_of(b)) / 2;
    EXPECT_EQ(merged->work_surface_a.at(x, y), mean) << x << "," << y;
    EXPECT_EQ(merged->work_surface_b.at(x, y), 0u) << x << "," << y;
  }
}

TEST(DecodeTwoFrameMulticolorAligned, FrameBTakesItsOwnBackgroundsAndIsNotMoved) {
  auto f = make_render_fixture();
  f->model.line_background[7] = 3;
  f->model.line_background_b[7] = 0x45;
  f->crt.display_mode = display_interlaced;
  decode_two_frame_multicolor_aligned(f->context);
  EXPECT_EQ(f->chunky.chunky_a[7 * 160 + 159], 3);
  EXPECT_EQ(f->chunky.chunky_b[7 * 160 + 159], 5);
  EXPECT_EQ(f->chunky.chunky_b[8 * 160], 0);
  EXPECT_NE(f->work_surface_b.at(0, 14), 0u);
  EXPECT_TRUE(f->context.two_surface_picture);
}

TEST(DecodeFourBit, EachNibbleAPixelInGoDotsSteps) {
  auto f = make_render_fixture();
  f->model.four_bit_pixels[0] = 0x0F;   // pixels 0 and 1 of line 0: darkest, lightest
  f->model.four_bit_pixels[4] = 0x10;   // pixels 0 and 1 of line 1
  f->model.four_bit_pixels[35] = 0x01;  // pixel 15 of line 0 (cell 1, line 0, fourth byte)
  decode_four_bit(f->context);
  EXPECT_EQ(f->chunky.chunky_a[0], 0);
  EXPECT_EQ(f->chunky.chunky_a[1], 1);
  EXPECT_EQ(f->chunky.chunky_a[320], 6);
  EXPECT_EQ(f->chunky.chunky_a[321], 0);
  EXPECT_EQ(f->chunky.chunky_a[15], 6);
  EXPECT_EQ(f->chunky.chunky_a[14], 0);
}

}  // namespace
