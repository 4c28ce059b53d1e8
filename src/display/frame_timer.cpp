#include "display/frame_timer.h"

#include <algorithm>

namespace {
uint64_t effective_interval(const frame_timer& timer) {
  return static_cast<uint64_t>(std::max(timer.interval, 0));
}
}  // namespace

void start_timer(frame_timer& timer, uint64_t now) {
  timer.last_tick_ms = now;
}

bool timer_due(const frame_timer& timer, uint64_t now) {
  return timer.enabled && now >= timer.last_tick_ms + effective_interval(timer);
}

int ms_until_tick(const frame_timer& timer, uint64_t now) {
  const uint64_t due_at = timer.last_tick_ms + effective_interval(timer);
  return now >= due_at ? 0 : static_cast<int>(due_at - now);
}

void mark_tick(frame_timer& timer, uint64_t now) {
  timer.last_tick_ms = now;
}
