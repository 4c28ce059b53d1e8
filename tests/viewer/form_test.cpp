#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "viewer_fixture.h"

namespace {

TEST_F(ViewerTest, FormCreateSetsTheDefaultsAndTheStartDirectory) {
  start(0, VELORA_DATA_DIR, false);
  const app_state& s = form->state();
  EXPECT_TRUE(s.frame_toggle);
  EXPECT_FALSE(s.picture_shown);
  EXPECT_TRUE(s.presenting);
  EXPECT_FALSE(s.in_disk_image);
  EXPECT_EQ(s.format_id, 0);
  EXPECT_TRUE(s.two_surface_picture);
  EXPECT_EQ(s.crt.inertia_index, 5);
  EXPECT_DOUBLE_EQ(s.crt.inertia_factor, 0.3);
  EXPECT_EQ(s.crt.scanline_index, 6);
  for (double f : s.crt.scanline_factors) EXPECT_DOUBLE_EQ(f, 0.6);
  EXPECT_EQ(s.crt.display_mode, display_static);
  EXPECT_EQ(s.interlace_rate, rate_each_frame);
  EXPECT_EQ(s.current_dir, std::filesystem::current_path().string());
  EXPECT_EQ(form->timer().interval, 25);
  EXPECT_TRUE(form->timer().enabled);
  EXPECT_TRUE(form->timer().active_only);
  EXPECT_TRUE(form->grid_visible());
}

TEST_F(ViewerTest, MissingArtworkIsReportedAndStartUpGoesOn) {
  start(0, no_data());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Cannot open file " + no_data() + "/gfx");
  EXPECT_TRUE(screen.initialized());
}

// Text screens are drawn with a --chargen ROM, else with one an emulator installed, else with
// our own set; a chosen file that is no ROM waits for the screen as a message.
TEST_F(ViewerTest, TheCharacterRomIsChosenOnceAtStart) {
  const character_rom& rom = the_picture_memory().model.rom;
  write_file_bytes(folder / "test.rom", counting_bytes(4096, 3));
  chargen_file = (folder / "test.rom").string();
  start();
  EXPECT_EQ(std::vector<uint8_t>(rom.bytes.begin(), rom.bytes.end()), counting_bytes(4096, 3));
  EXPECT_FALSE(rom.own_glyphs);

  chargen_file.clear();
  std::filesystem::create_directories(folder / "xdg/vice/C64");
  write_file_bytes(folder / "xdg/vice/C64/chargen", counting_bytes(4096, 4));
  ASSERT_EQ(setenv("XDG_DATA_HOME", (folder / "xdg").c_str(), 1), 0);
  start();
  EXPECT_EQ(std::vector<uint8_t>(rom.bytes.begin(), rom.bytes.end()), counting_bytes(4096, 4));
  ASSERT_EQ(unsetenv("XDG_DATA_HOME"), 0);

  write_file_bytes(folder / "short.rom", counting_bytes(100, 3));
  chargen_file = (folder / "short.rom").string();
  start();
  EXPECT_TRUE(form->has_pending_messages());
}

TEST_F(ViewerTest, InitializeSurfaceMakesTwoClearedWorkSurfacesLikeTheDisplaySurface) {
  start();
  for (const surface* s : {&form->work_surface_a(), &form->work_surface_b()}) {
    EXPECT_EQ(s->width, 800);
    EXPECT_EQ(s->height, 600);
    for (uint32_t p : s->pixels) ASSERT_EQ(p, 0u);
  }
  EXPECT_NE(form->work_surface_a().pixels.data(), form->work_surface_b().pixels.data());
}

struct RateCase {
  unsigned hz;
  int interval;
};

class FormIntervalTest : public ViewerTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(FormIntervalTest, InitializeSurfaceSetsTheIntervalFromTheRefreshRate) {
  start(GetParam().hz);
  EXPECT_EQ(form->timer().interval, GetParam().interval);
}

TEST_P(FormIntervalTest, IntervalIgnoresTheInterlaceRate) {
  start(GetParam().hz, VELORA_DATA_DIR, false);
  form->tdirKeyDown(vk::f8, false);
  ASSERT_EQ(form->state().interlace_rate, rate_every_second_frame);
  ASSERT_TRUE(screen.initialize());
  EXPECT_EQ(form->timer().interval, GetParam().interval);
}

INSTANTIATE_TEST_SUITE_P(Rates, FormIntervalTest,
                         ::testing::Values(RateCase{0, 25}, RateCase{60, 16}, RateCase{75, 13},
                                           RateCase{85, 11}, RateCase{100, 10}),
                         [](const auto& info) { return std::to_string(info.param.hz) + "Hz"; });

TEST_F(ViewerTest, RestoreSurfaceDrawsTheScreenFurniture) {
  start();
  // Whatever the furniture looks like, it covers the cleared display surface.
  EXPECT_NE(screen.display_surface.at(0, 0), 0u);
  EXPECT_NE(screen.display_surface.at(799, 599), 0u);
}

}  // namespace
