#include <gtest/gtest.h>

#include <vector>

#include "display/canvas.h"
#include "form_fixture.h"

namespace {

constexpr uint32_t pixel_a = 0x00A1A2A3;
constexpr uint32_t pixel_b = 0x00B1B2B3;
constexpr uint32_t furniture = 0x00C1C2C3;

class FrameTickTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    create_form();
    fill_surface(form->work_surface_a, pixel_a);
    fill_surface(form->work_surface_b, pixel_b);
    fill_surface(screen.display_surface, furniture);
    form->state.picture_shown = true;
    form->grid_visible = false;
  }

  // The pixel the last present showed in the picture area.
  uint32_t shown() const { return screen.last_frame().at(400, 300); }

  // Ticks n times and returns the picture-area pixel of each presented frame.
  std::vector<uint32_t> tick(int n) {
    std::vector<uint32_t> seen;
    for (int i = 0; i < n; ++i) {
      form->DXTimerTimer();
      seen.push_back(shown());
    }
    return seen;
  }
};

TEST_F(FrameTickTest, TwoSurfacePictureAlternatesAStartingWithA) {
  EXPECT_EQ(tick(5), (std::vector<uint32_t>{pixel_a, pixel_b, pixel_a, pixel_b, pixel_a}));
  EXPECT_FALSE(form->state.frame_toggle);
  EXPECT_EQ(screen.frames_presented(), 5);
}

TEST_F(FrameTickTest, ThePhaseCarriesOverToTheNextPicture) {
  tick(3);  // A, B, A: the next is B
  fill_surface(form->work_surface_a, 0x00D1D2D3);
  fill_surface(form->work_surface_b, 0x00E1E2E3);
  EXPECT_EQ(tick(2), (std::vector<uint32_t>{0x00E1E2E3, 0x00D1D2D3}));
}

TEST_F(FrameTickTest, OneSurfacePictureAlwaysCopiesAAndStillInverts) {
  form->state.two_surface_picture = false;
  EXPECT_EQ(tick(3), (std::vector<uint32_t>{pixel_a, pixel_a, pixel_a}));
  EXPECT_FALSE(form->state.frame_toggle);
  tick(1);
  EXPECT_TRUE(form->state.frame_toggle);
}

TEST_F(FrameTickTest, NotPresentingCopiesNothingKeepsTheToggleAndStillPresents) {
  form->state.presenting = false;
  EXPECT_EQ(tick(2), (std::vector<uint32_t>{furniture, furniture}));
  EXPECT_TRUE(form->state.frame_toggle);
  EXPECT_EQ(screen.frames_presented(), 2);
  EXPECT_EQ(screen.display_surface.at(400, 300), furniture);
}

TEST_F(FrameTickTest, TheCopyCoversExactly659By549At70And50) {
  tick(1);
  const surface& frame = screen.last_frame();
  EXPECT_EQ(frame.at(70, 50), pixel_a);
  EXPECT_EQ(frame.at(70 + 658, 50 + 548), pixel_a);
  EXPECT_EQ(frame.at(69, 50), furniture);
  EXPECT_EQ(frame.at(70, 49), furniture);
  EXPECT_EQ(frame.at(70 + 659, 50), furniture);
  EXPECT_EQ(frame.at(70, 50 + 549), furniture);
}

TEST_F(FrameTickTest, BrowserTicksCopyNoPictureAndShowTheGrid) {
  form->state.picture_shown = false;
  surface grid = create_surface(grid_width, grid_height);
  fill_surface(grid, 0x00F1F2F3);
  form->grid_image = &grid;
  form->grid_visible = true;
  tick(2);
  const surface& frame = screen.last_frame();
  EXPECT_TRUE(form->state.frame_toggle);
  EXPECT_EQ(frame.at(21, 72), 0x00F1F2F3u);
  EXPECT_EQ(frame.at(21 + 563, 72 + 452), 0x00F1F2F3u);
  EXPECT_EQ(frame.at(20, 72), furniture);
  EXPECT_EQ(frame.at(650, 300), furniture);
  EXPECT_EQ(screen.frames_presented(), 2);
}

TEST_F(FrameTickTest, HiddenGridIsNotComposed) {
  surface grid = create_surface(grid_width, grid_height);
  fill_surface(grid, 0x00F1F2F3);
  form->grid_image = &grid;
  form->grid_visible = false;
  form->state.presenting = false;
  tick(1);
  EXPECT_EQ(screen.last_frame().at(21, 72), furniture);
}

TEST_F(FrameTickTest, AfterALossTheFurnitureIsRestoredFirstAndWorkSurfacesAreKept) {
  tick(1);
  screen.simulate_loss();
  int frames_at_restore = -1;
  screen.on_restore_surface = [&] {
    frames_at_restore = screen.frames_presented();
    form->DXDrawRestoreSurface();
  };
  const std::vector<uint32_t> a_before = form->work_surface_a.pixels;
  const std::vector<uint32_t> b_before = form->work_surface_b.pixels;
  tick(1);  // copies B onto the old furniture, then the present restores
  EXPECT_EQ(frames_at_restore, 1);
  EXPECT_EQ(screen.frames_presented(), 2);
  EXPECT_EQ(form->work_surface_a.pixels, a_before);
  EXPECT_EQ(form->work_surface_b.pixels, b_before);
  // The restore redrew the furniture over everything, the old picture copy included.
  const uint32_t restored = screen.last_frame().at(0, 0);
  EXPECT_NE(restored, furniture);
  EXPECT_EQ(shown(), restored);
  EXPECT_EQ(tick(1), (std::vector<uint32_t>{pixel_a}));
}

}  // namespace
