#pragma once
// The frame timer: ticks from the idle loop once at least interval ms have passed since
// the previous tick, and (active_only) only while the program has the input focus.
#include <cstdint>

struct frame_timer {
  int interval = 25;  // ms; a negative interval counts as 0
  bool enabled = true;
  bool active_only = true;
  uint64_t last_tick_ms = 0;
};

// Starts counting the first interval at now.
void start_timer(frame_timer& timer, uint64_t now);
// Whether a tick is due at now (an interval of 0 is due on every idle pass).
bool timer_due(const frame_timer& timer, uint64_t now);
// Milliseconds from now until the next tick is due, 0 when it is due already.
int ms_until_tick(const frame_timer& timer, uint64_t now);
// Records a tick made at now; the next interval counts from here.
void mark_tick(frame_timer& timer, uint64_t now);
