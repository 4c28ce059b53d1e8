#include "display/headless_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/canvas.h"

namespace {

TEST(HeadlessDisplay, InitializeMakesAClearedSurfaceThenRaisesInitializeBeforeRestore) {
  headless_display screen;
  std::vector<std::string> calls;
  screen.on_initialize_surface = [&] {
    calls.push_back("initialize");
    EXPECT_EQ(screen.display_surface.width, 800);
    EXPECT_EQ(screen.display_surface.height, 600);
  };
  screen.on_restore_surface = [&] { calls.push_back("restore"); };
  ASSERT_TRUE(screen.initialize());
  EXPECT_TRUE(screen.initialized());
  EXPECT_EQ(calls, (std::vector<std::string>{"initialize", "restore"}));
  for (uint32_t p : screen.display_surface.pixels) ASSERT_EQ(p, 0u);
}

TEST(HeadlessDisplay, RefusedModeFailsWithTheModeMessageAndPresentsNothing) {
  headless_display screen;
  screen.refuse_mode();
  EXPECT_FALSE(screen.initialize());
  EXPECT_EQ(screen.error(), "Display mode cannot be changed (800x600 32bit)");
  screen.present({});
  EXPECT_EQ(screen.frames_presented(), 0);
}

TEST(HeadlessDisplay, PresentComposesOverlaysOverTheDisplaySurface) {
  headless_display screen;
  ASSERT_TRUE(screen.initialize());
  fill_surface(screen.display_surface, 0x00111111);
  surface grid = create_surface(564, 453);
  fill_surface(grid, 0x00222222);
  surface box = create_surface(10, 10);
  fill_surface(box, 0x00333333);
  const overlay layers[] = {{&grid, 21, 72}, {&box, 795, 595}};
  screen.present(layers);
  const surface& frame = screen.last_frame();
  EXPECT_EQ(screen.frames_presented(), 1);
  EXPECT_EQ(frame.at(20, 72), 0x00111111u);
  EXPECT_EQ(frame.at(21, 72), 0x00222222u);
  EXPECT_EQ(frame.at(21 + 563, 72 + 452), 0x00222222u);
  EXPECT_EQ(frame.at(21 + 564, 72 + 452), 0x00111111u);
  EXPECT_EQ(frame.at(21, 72 + 453), 0x00111111u);
  EXPECT_EQ(frame.at(799, 599), 0x00333333u);  // clipped at the screen's edge
  EXPECT_EQ(frame.at(794, 599), 0x00111111u);
  // The overlays are composed into the frame, not drawn on display_surface.
  EXPECT_EQ(screen.display_surface.at(21, 72), 0x00111111u);
}

TEST(HeadlessDisplay, AfterALossRestoreRunsOnAClearedSurfaceBeforeTheFrameIsShown) {
  headless_display screen;
  ASSERT_TRUE(screen.initialize());
  fill_surface(screen.display_surface, 0x00ABCDEF);
  screen.present({});
  screen.simulate_loss();
  int frames_seen_by_restore = -1;
  uint32_t pixel_seen_by_restore = 1;
  screen.on_restore_surface = [&] {
    frames_seen_by_restore = screen.frames_presented();
    pixel_seen_by_restore = screen.display_surface.at(400, 300);
    screen.display_surface.pixels[0] = 0x00FEDCBA;
  };
  screen.present({});
  EXPECT_EQ(frames_seen_by_restore, 1);
  EXPECT_EQ(pixel_seen_by_restore, 0u);
  EXPECT_EQ(screen.frames_presented(), 2);
  EXPECT_EQ(screen.last_frame().at(0, 0), 0x00FEDCBAu);
  EXPECT_EQ(screen.last_frame().at(400, 300), 0u);
}

TEST(HeadlessDisplay, EventsComeInOrderAndAnEmptyQueueLetsTheTimeoutPass) {
  headless_display screen;
  screen.set_now(1000);
  input_event first, second, got;
  first.type = input_event::kind::key_down;
  first.key = vk::f3;
  second.type = input_event::kind::character;
  second.character = 27;
  screen.push_event(first);
  screen.push_event(second);
  ASSERT_TRUE(screen.wait_event(50, got));
  EXPECT_EQ(got.key, vk::f3);
  ASSERT_TRUE(screen.wait_event(50, got));
  EXPECT_EQ(got.character, 27u);
  EXPECT_EQ(screen.now_ms(), 1000u);
  EXPECT_FALSE(screen.wait_event(50, got));
  EXPECT_EQ(screen.now_ms(), 1050u);
}

}  // namespace
