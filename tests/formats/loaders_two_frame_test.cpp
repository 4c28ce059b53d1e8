#include "formats/picture_loaders.h"
#include "loader_fixture.h"

namespace {

using TwoFrameLoader = LoaderTest;

TEST_F(TwoFrameLoader, GunPaint) {
  expected.line_background.fill(0);
  expect_screen_rams(expected.screen_a, 2, 0, 7);
  expect_linear(expected.bitmap_a, 8194, 16208, 0);
  expect_linear(expected.line_background, 16209, 16385, 0);
  expect_linear(expected.color_ram, 16386, 17409, 0);
  expect_screen_ram(expected.screen_b, 0, 17410, 18409);
  expect_linear(expected.line_background, 18410, 18433, 177);
  expect_screen_rams(expected.screen_b, 18434, 1, 7);
  expect_linear(expected.bitmap_b, 25602, 33601, 0);
  load_gun_paint(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.line_background[176], offset_byte(16385));
  EXPECT_EQ(model.line_background[177], offset_byte(18410));
  EXPECT_EQ(model.line_background[200], offset_byte(18433));
  EXPECT_EQ(model.line_background[201], 0);
  EXPECT_EQ(model.line_background[255], 0);
  EXPECT_EQ(model.screen_b[999 * 8], offset_byte(18409));
  EXPECT_EQ(model.screen_b[1000 * 8], sentinel);
  EXPECT_EQ(model.screen_b[5 * 8 + 3], offset_byte(18434 + 2 * 1024 + 5));
  EXPECT_EQ(model.bitmap_a[8014], offset_byte(16208));
  EXPECT_EQ(model.bitmap_a[8015], sentinel);
}

TEST_F(TwoFrameLoader, GunPaintIgnoresTheTrailingByte) {
  load_gun_paint(file, model);
  const picture_model first = model;
  file.bytes[33602] ^= 0x5A;
  load_gun_paint(file, model);
  expected = first;
  expect_model_as_expected();
}

TEST_F(TwoFrameLoader, Pc64FliInterlace) {
  expect_linear(expected.line_background, 2, 257, 0);
  expect_linear(expected.color_ram, 258, 1281, 0);
  expect_screen_rams(expected.screen_a, 1282, 0, 7);
  expect_linear(expected.bitmap_a, 9474, 17665, 0);
  expect_screen_rams(expected.screen_b, 17666, 0, 7);
  expect_linear(expected.bitmap_b, 25858, 34049, 0);
  load_pc64_fli_interlace(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.screen_b[1023 * 8 + 7], offset_byte(34049 - 8192));
  EXPECT_EQ(model.bitmap_b[8191], offset_byte(34049));
}

TEST_F(TwoFrameLoader, DrazLaceSharesOneScreenRam) {
  expect_linear(expected.color_ram, 2, 1025, 0);
  expect_screen_ram(expected.screen_a, 0, 1026, 2049);
  expect_spread(expected.screen_a);
  expected.screen_b = expected.screen_a;
  expect_linear(expected.bitmap_a, 2050, 10049, 0);
  expected.line_background.fill(offset_byte(10050));
  expect_linear(expected.bitmap_b, 10242, 18241, 0);
  load_draz_lace(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.screen_b[43 * 8 + 5], offset_byte(1026 + 43));
  EXPECT_EQ(model.bitmap_a[8000], sentinel);
}

TEST_F(TwoFrameLoader, MulticolorInterlace) {
  expect_screen_ram(expected.screen_a, 0, 2, 1025);
  expect_linear(expected.bitmap_a, 1026, 9217, 0);
  expect_linear(expected.bitmap_b, 9218, 17409, 0);
  expect_screen_ram(expected.screen_b, 0, 17410, 18433);
  expect_linear(expected.color_ram, 18434, 19433, 0);
  expect_spread(expected.screen_a);
  expect_spread(expected.screen_b);
  expected.line_background.fill(0);
  load_multicolor_interlace(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.color_ram[1000], sentinel);
  EXPECT_EQ(model.screen_b[7], offset_byte(17410));
}

TEST_F(TwoFrameLoader, MonoMciHasFixedColours) {
  expect_linear(expected.bitmap_a, 2, 8001, 0);
  expect_linear(expected.bitmap_b, 8002, 16001, 0);
  expected.line_background.fill(0);
  expected.screen_a.fill(0xCB);
  expected.screen_b.fill(0xCB);
  std::fill_n(expected.color_ram.begin(), 1023, 15);
  load_mono_mci(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.color_ram[1022], 15);
  EXPECT_EQ(model.color_ram[1023], sentinel);
  EXPECT_EQ(model.bitmap_a[8000], sentinel);
}

TEST_F(TwoFrameLoader, FunPaintSkipsItsHeader) {
  expect_screen_rams(expected.screen_a, 18, 0, 7);
  expect_linear(expected.bitmap_a, 8210, 16209, 0);
  expect_linear(expected.line_background, 16218, 16317, 0);
  expect_linear(expected.color_ram, 16402, 17401, 0);
  expect_screen_rams(expected.screen_b, 17402, 0, 7);
  expect_linear(expected.bitmap_b, 25594, 33593, 0);
  expect_linear(expected.line_background, 33594, 33693, 100);
  load_fun_paint(file, model);
  expect_model_as_expected();

  EXPECT_EQ(model.screen_a[0], offset_byte(18));
  EXPECT_EQ(model.line_background[99], offset_byte(16317));
  EXPECT_EQ(model.line_background[100], offset_byte(33594));
  EXPECT_EQ(model.line_background[200], sentinel);
}

TEST_F(TwoFrameLoader, FunPaintAfterPc64FliKeepsTheLinesBeyondThePicture) {
  load_pc64_fli(file, model);
  load_fun_paint(file, model);
  for (uint32_t line = 200; line < 256; ++line) {
    EXPECT_EQ(model.line_background[line], offset_byte(2 + line)) << line;
  }
}

}  // namespace
