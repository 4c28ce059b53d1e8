#include "viewer/frame_loop.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <vector>

#include "base/quit_signal.h"
#include "support/captured_console.h"
#include "viewer/viewer.h"
#include "viewer_fixture.h"

namespace {

input_event event_of(input_event::kind type, int key = 0) {
  input_event e;
  e.type = type;
  e.key = key;
  return e;
}

void ignore(const input_event&) {}

TEST_F(ViewerTest, TicksComeOncePerIntervalOnTheDisplayClock) {
  start(60);
  screen.set_now(1000);
  start_timer(form->timer(), 1000);
  EXPECT_TRUE(run_until(
      *form, [&] { return screen.frames_presented() == 3; }, ignore));
  EXPECT_EQ(screen.now_ms(), 1000u + 3 * 16);
}

TEST_F(ViewerTest, ZeroIntervalTicksOnEveryIdlePassWithoutWaiting) {
  start();
  form->timer().interval = 0;
  const uint64_t start = screen.now_ms();
  EXPECT_TRUE(run_until(
      *form, [&] { return screen.frames_presented() == 5; }, ignore));
  EXPECT_EQ(screen.now_ms(), start);
}

TEST_F(ViewerTest, NoTicksWhileInactive) {
  start();
  screen.set_active(false);
  EXPECT_TRUE(run_until(
      *form, [&] { return screen.now_ms() >= 1000; }, ignore));
  EXPECT_EQ(screen.frames_presented(), 0);
  screen.set_active(true);
  EXPECT_TRUE(run_until(
      *form, [&] { return screen.frames_presented() == 1; }, ignore));
}

TEST_F(ViewerTest, PendingEventsAreHandledBeforeTheNextTick) {
  start();
  form->timer().interval = 0;
  screen.push_event(event_of(input_event::kind::key_down, vk::f3));
  screen.push_event(event_of(input_event::kind::key_down, vk::f4));
  std::vector<int> order;  // key codes, and 0 for a presented frame
  int frames = 0;
  run_until(
      *form,
      [&] {
        if (screen.frames_presented() > frames) {
          frames = screen.frames_presented();
          order.push_back(0);
        }
        return frames == 1;
      },
      [&](const input_event& e) { order.push_back(e.key); });
  EXPECT_EQ(order, (std::vector<int>{vk::f3, vk::f4, 0}));
}

TEST_F(ViewerTest, QuitEndsTheLoopAndClosesTheForm) {
  start();
  screen.push_event(event_of(input_event::kind::quit));
  bool handler_saw_quit = false;
  EXPECT_FALSE(run_until(
      *form, [] { return false; },
      [&](const input_event& e) { handler_saw_quit |= e.type == input_event::kind::quit; }));
  EXPECT_TRUE(form->close_requested());
  EXPECT_FALSE(handler_saw_quit);
}

TEST_F(ViewerTest, ExposePresentsAtOnce) {
  start();
  screen.push_event(event_of(input_event::kind::expose));
  const uint64_t start = screen.now_ms();
  run_until(
      *form, [&] { return screen.frames_presented() == 1; }, ignore);
  EXPECT_EQ(screen.now_ms(), start);
}

TEST_F(ViewerTest, TicksGoOnWhileAModalWaitRuns) {
  start();
  screen.push_event(event_of(input_event::kind::key_down, vk::escape));
  int frames_during_modal = 0;
  run_until(
      *form, [&] { return frames_during_modal > 0; },
      [&](const input_event&) {
        const int before = screen.frames_presented();
        // A modal box: waits until the user answers; here, for three frames.
        EXPECT_TRUE(run_until(
            *form, [&] { return screen.frames_presented() == before + 3; }, ignore));
        frames_during_modal = screen.frames_presented() - before;
      });
  EXPECT_EQ(frames_during_modal, 3);
}

TEST_F(ViewerTest, AQuitInsideAModalWaitEndsBothLoops) {
  start();
  screen.push_event(event_of(input_event::kind::key_down, vk::escape));
  screen.push_event(event_of(input_event::kind::quit));
  bool modal_result = true;
  EXPECT_FALSE(run_until(
      *form, [] { return false; },
      [&](const input_event&) {
        modal_result = run_until(
            *form, [] { return false; }, ignore);
      }));
  EXPECT_FALSE(modal_result);
}

TEST(QuitSignal, SigtermSigintAndSighupEndTheLoop) {
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    EXPECT_EXIT(
        {
          headless_display screen;
          TForm1 form(screen,
                      {.data_dir = "/nonexistent", .report_error = [](const std::string&) {}});
          if (!screen.initialize()) std::exit(3);
          install_quit_signal_handlers();
          std::raise(number);
          std::exit(run_until(
                        form, [] { return false; }, ignore)
                        ? 4
                        : 0);
        },
        ::testing::ExitedWithCode(0), "")
        << number;
  }
}

TEST(Viewer, EndsWithStatus0WhenTheWindowIsClosed) {
  headless_display screen;
  screen.push_event(event_of(input_event::kind::quit));
  captured_console console;
  EXPECT_EQ(run_viewer(screen, console.err_stream, "/nonexistent"), 0);
  EXPECT_FALSE(screen.on_restore_surface);  // the form is gone
}

TEST(Viewer, EndsWithStatus1AndTheMessageWhenTheDisplayCannotStart) {
  headless_display screen;
  screen.refuse_mode();
  captured_console console;
  EXPECT_EQ(run_viewer(screen, console.err_stream, "/nonexistent"), 1);
  EXPECT_EQ(console.err(), "Display mode cannot be changed (800x600 32bit)\n");
}

}  // namespace
