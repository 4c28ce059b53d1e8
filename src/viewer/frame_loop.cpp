#include "viewer/frame_loop.h"

#include <algorithm>

#include "base/quit_signal.h"

namespace {
// While no tick can come, the wait still wakes this often to notice a quit signal.
constexpr int idle_wait_ms = 100;
}  // namespace

bool run_until(frame_client& client, const std::function<bool()>& done,
               const std::function<void(const input_event&)>& on_event) {
  display& screen = client.screen();
  frame_timer& timer = client.timer();
  while (true) {
    if (quit_signal_received()) client.Close();
    if (client.close_requested()) return false;
    if (done()) return true;

    const bool ticking = timer.enabled && (!timer.active_only || screen.active());
    const int timeout =
        ticking ? std::min(ms_until_tick(timer, screen.now_ms()), idle_wait_ms) : idle_wait_ms;
    input_event event;
    if (screen.wait_event(timeout, event)) {
      if (event.type == input_event::kind::quit)
        client.Close();
      else if (event.type == input_event::kind::expose)
        client.present_screen();
      else
        on_event(event);
      continue;
    }
    // The queue is empty: an idle pass.
    const uint64_t now = screen.now_ms();
    if (ticking && timer_due(timer, now)) {
      mark_tick(timer, now);
      client.tick();
    }
  }
}
