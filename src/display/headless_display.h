#pragma once
// A screen without a window: what tests and the command line present to. Its clock, its
// events, its refresh rate and its losses are all set by the caller.
#include <deque>

#include "display/display.h"

class headless_display : public display {
 public:
  // Makes display_surface (cleared to 0), raises on_initialize_surface and
  // on_restore_surface; false with the mode error when refuse_mode was set.
  bool initialize() override;
  // Composes display_surface and the overlays into last_frame() and counts the frame;
  // after simulate_loss it first clears display_surface and raises on_restore_surface.
  void present(std::span<const overlay> overlays) override;
  unsigned refresh_rate() override { return refresh_rate_; }
  // Takes the next queued event; with none queued, lets timeout_ms pass on the clock.
  bool wait_event(int timeout_ms, input_event& event) override;
  uint64_t now_ms() override { return now_; }
  bool active() override { return active_; }

  // The rate refresh_rate() reports (0 by default).
  void set_refresh_rate(unsigned hz) { refresh_rate_ = hz; }
  // Makes the next initialize() fail as a screen without the 800x600 mode would.
  void refuse_mode() { refuse_mode_ = true; }
  // The screen is lost: the next present restores it first.
  void simulate_loss() { lost_ = true; }
  // Queues an event for wait_event.
  void push_event(const input_event& event) { events_.push_back(event); }
  void set_active(bool active) { active_ = active; }
  void set_now(uint64_t ms) { now_ = ms; }
  void advance(uint64_t ms) { now_ += ms; }

  // Number of presents that showed a frame.
  int frames_presented() const { return frames_; }
  // The frame the last present showed (invalid before the first).
  const surface& last_frame() const { return frame_; }

 private:
  unsigned refresh_rate_ = 0;
  bool refuse_mode_ = false;
  bool active_ = true;
  uint64_t now_ = 0;
  int frames_ = 0;
  surface frame_;
  std::deque<input_event> events_;
};
