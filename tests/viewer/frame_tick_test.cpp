#include "viewer/frame_tick.h"

#include <gtest/gtest.h>

#include <vector>

#include "surface/canvas.h"
#include "viewer_fixture.h"

namespace {

constexpr uint32_t pixel_a = 0x00A1A2A3;
constexpr uint32_t pixel_b = 0x00B1B2B3;
constexpr uint32_t furniture = 0x00C1C2C3;

// The picture ticks of a picture on screen, on surfaces of our own.
class PictureFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fill_surface(work_surface_a, pixel_a);
    fill_surface(work_surface_b, pixel_b);
    fill_surface(display_surface, furniture);
    state.picture_shown = true;
  }

  // Ticks n times and returns the picture-area pixel each tick leaves.
  std::vector<uint32_t> tick(int n) {
    std::vector<uint32_t> seen;
    for (int i = 0; i < n; ++i) {
      copy_picture_frame(state, work_surface_a, work_surface_b, display_surface);
      seen.push_back(display_surface.at(400, 300));
    }
    return seen;
  }

  app_state state;
  surface work_surface_a = create_surface(screen_width, screen_height);
  surface work_surface_b = create_surface(screen_width, screen_height);
  surface display_surface = create_surface(screen_width, screen_height);
};

TEST_F(PictureFrameTest, TwoSurfacePictureAlternatesAStartingWithA) {
  EXPECT_EQ(tick(5), (std::vector<uint32_t>{pixel_a, pixel_b, pixel_a, pixel_b, pixel_a}));
  EXPECT_FALSE(state.frame_toggle);
}

TEST_F(PictureFrameTest, ThePhaseCarriesOverToTheNextPicture) {
  tick(3);  // A, B, A: the next is B
  fill_surface(work_surface_a, 0x00D1D2D3);
  fill_surface(work_surface_b, 0x00E1E2E3);
  EXPECT_EQ(tick(2), (std::vector<uint32_t>{0x00E1E2E3, 0x00D1D2D3}));
}

TEST_F(PictureFrameTest, OneSurfacePictureAlwaysCopiesAAndStillInverts) {
  state.two_surface_picture = false;
  EXPECT_EQ(tick(3), (std::vector<uint32_t>{pixel_a, pixel_a, pixel_a}));
  EXPECT_FALSE(state.frame_toggle);
  tick(1);
  EXPECT_TRUE(state.frame_toggle);
}

// A picture larger than the picture area shows the window's part of it, and its caption from
// below the whole picture.
TEST_F(PictureFrameTest, LargerPictureShowsTheWindowAndTheCaptionBelowIt) {
  state.two_surface_picture = false;
  state.window = window_over({296, 400});
  state.window.first_line = 100;
  reshape_surface(work_surface_a, 800, 1000);
  for (int y = 0; y < 1000; ++y)
    for (int x = 0; x < 800; ++x) work_surface_a.pixels[y * 800 + x] = uint32_t(y << 12 | x);
  tick(1);
  EXPECT_EQ(display_surface.at(70, 50), work_surface_a.at(0, 200));
  EXPECT_EQ(display_surface.at(70 + 591, 50 + 399), work_surface_a.at(591, 599));
  EXPECT_EQ(display_surface.at(70 + 592, 50), furniture);
  EXPECT_EQ(display_surface.at(70, 450), work_surface_a.at(0, 800));
  EXPECT_EQ(display_surface.at(70 + 658, 598), work_surface_a.at(658, 948));
}

TEST_F(PictureFrameTest, NotPresentingCopiesNothingAndKeepsTheToggle) {
  state.presenting = false;
  EXPECT_EQ(tick(2), (std::vector<uint32_t>{furniture, furniture}));
  EXPECT_TRUE(state.frame_toggle);
}

TEST_F(PictureFrameTest, TheCopyCoversExactly659By549At70And50) {
  tick(1);
  EXPECT_EQ(display_surface.at(70, 50), pixel_a);
  EXPECT_EQ(display_surface.at(70 + 658, 50 + 548), pixel_a);
  EXPECT_EQ(display_surface.at(69, 50), furniture);
  EXPECT_EQ(display_surface.at(70, 49), furniture);
  EXPECT_EQ(display_surface.at(70 + 659, 50), furniture);
  EXPECT_EQ(display_surface.at(70, 50 + 549), furniture);
}

// The form's ticks in the browser: the grid on top, no picture copied, every tick presented.
TEST_F(ViewerTest, BrowserTicksShowTheGridAndPresentEachTime) {
  start();
  fill_surface(screen.display_surface, furniture);
  form->DXTimerTimer();
  form->DXTimerTimer();
  const surface& frame = screen.last_frame();
  const surface& grid = form->grid_image();
  EXPECT_EQ(screen.frames_presented(), 2);
  EXPECT_TRUE(form->state().frame_toggle);
  EXPECT_EQ(frame.at(21, 72), grid.at(0, 0));
  EXPECT_EQ(frame.at(21 + 563, 72 + 452), grid.at(563, 452));
  EXPECT_EQ(frame.at(20, 72), furniture);
  EXPECT_EQ(frame.at(650, 300), furniture);
}

TEST_F(ViewerTest, AfterALossTheFurnitureIsRestoredBeforeThePresentAndWorkSurfacesAreKept) {
  start();
  form->DXTimerTimer();
  const std::vector<uint32_t> a_before = form->work_surface_a().pixels;
  const std::vector<uint32_t> b_before = form->work_surface_b().pixels;
  fill_surface(screen.display_surface, furniture);
  screen.simulate_loss();
  int frames_at_restore = -1;
  screen.on_restore_surface = [&] {
    frames_at_restore = screen.frames_presented();
    form->DXDrawRestoreSurface();
  };
  form->DXTimerTimer();
  EXPECT_EQ(frames_at_restore, 1);
  EXPECT_EQ(screen.frames_presented(), 2);
  EXPECT_EQ(form->work_surface_a().pixels, a_before);
  EXPECT_EQ(form->work_surface_b().pixels, b_before);
  // The restore redrew the furniture over what was there.
  EXPECT_NE(screen.last_frame().at(0, 0), furniture);
}

}  // namespace
