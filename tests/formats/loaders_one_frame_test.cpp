#include "formats/picture_loaders.h"
#include "loader_fixture.h"

namespace {

using OneFrameLoader = LoaderTest;

TEST_F(OneFrameLoader, Pc64Fli) {
  expect_linear(expected.line_background, 2, 257, 0);
  expect_linear(expected.color_ram, 258, 1281, 0);
  expect_screen_rams(expected.screen_a, 1282, 0, 7);
  expect_linear(expected.bitmap_a, 9474, 17665, 0);
  load_pc64_fli(file, model);
  expect_model_as_expected();

  // Raster line 13 of cell 43 takes screen RAM 5.
  EXPECT_EQ(model.screen_a[349], offset_byte(1282 + 5 * 1024 + 43));
}

TEST_F(OneFrameLoader, SagaFliStartsItsBackgroundsAtOffset8) {
  expect_linear(expected.line_background, 8, 257, 0);
  expect_linear(expected.color_ram, 258, 1281, 0);
  expect_screen_rams(expected.screen_a, 1282, 0, 7);
  expect_linear(expected.bitmap_a, 9474, 17664, 0);
  load_saga_fli(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.line_background[0], offset_byte(8));
  EXPECT_EQ(model.line_background[249], offset_byte(257));
  EXPECT_EQ(model.line_background[250], sentinel);
  EXPECT_EQ(model.bitmap_a[8191], sentinel);
}

TEST_F(OneFrameLoader, ThreeC00Fli) {
  expected.line_background.fill(0);
  expect_linear(expected.color_ram, 2, 1025, 0);
  expect_screen_rams(expected.screen_a, 1026, 0, 7);
  expect_linear(expected.bitmap_a, 9218, 17408, 0);
  load_3c00_fli(file, model);
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, ThreeC00FliIgnoresTheTrailingByte) {
  load_3c00_fli(file, model);
  const picture_model first = model;
  file.bytes[17409] ^= 0x5A;
  load_3c00_fli(file, model);
  expected = first;
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, TopazAfli) {
  expect_screen_rams(expected.screen_a, 2, 0, 7);
  expect_linear(expected.bitmap_a, 8194, 16384, 0);
  load_topaz_afli(file, model);
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, TopazHires) {
  expect_screen_ram(expected.screen_a, 0, 2, 1025);
  expect_linear(expected.bitmap_a, 1026, 9216, 0);
  expect_spread(expected.screen_a);
  load_topaz_hires(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.screen_a[1023 * 8 + 7], offset_byte(1025));
}

TEST_F(OneFrameLoader, Bpaddles) {
  expect_linear(expected.bitmap_a, 2, 8193, 0);
  expect_screen_ram(expected.screen_a, 0, 8194, 9217);
  expect_spread(expected.screen_a);
  expect_linear(expected.color_ram, 9218, 10241, 0);
  expected.line_background.fill(0);
  load_bpaddles(file, model);
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, DolphinFli) {
  expected.line_background.fill(0);
  expect_linear(expected.color_ram, 2, 1025, 0);
  expect_screen_rams(expected.screen_a, 1026, 0, 7);
  expect_linear(expected.bitmap_a, 9218, 17217, 0);
  load_dolphin_fli(file, model);
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, ArtStudioTakesItsBackgroundFromOffset9003) {
  expect_linear(expected.bitmap_a, 2, 8001, 0);
  expect_screen_ram(expected.screen_a, 0, 8002, 9001);
  expect_spread(expected.screen_a);
  expected.line_background.fill(offset_byte(9003));
  expect_linear(expected.color_ram, 9018, 10017, 0);
  load_art_studio(file, model);
  expect_model_as_expected();

  // Cells 1000..1023 of screen RAM 0 are not written, yet still spread to screen RAMs 1..7.
  EXPECT_EQ(model.screen_a[1000 * 8 + 4], sentinel);
  EXPECT_EQ(model.color_ram[1000], sentinel);
}

TEST_F(OneFrameLoader, DrazPaint) {
  expect_linear(expected.color_ram, 2, 1025, 0);
  expect_screen_ram(expected.screen_a, 0, 1026, 2049);
  expect_spread(expected.screen_a);
  expect_linear(expected.bitmap_a, 2050, 10049, 0);
  expected.line_background.fill(offset_byte(10050));
  load_draz_paint(file, model);
  expect_model_as_expected();
}

TEST_F(OneFrameLoader, OneFramePictureKeepsTheSecondFrame) {
  load_pc64_fli_interlace(file, model);
  const picture_model two_frame = model;
  for (uint32_t i = 0; i < 65536; ++i) file.bytes[i] = offset_byte(i + 1);
  load_dolphin_fli(file, model);
  expect_same(model.screen_b, two_frame.screen_b, "screen_b");
  expect_same(model.bitmap_b, two_frame.bitmap_b, "bitmap_b");
}

}  // namespace
