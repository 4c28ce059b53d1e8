#include "display/headless_display.h"

#include "display/frame_compose.h"
#include "surface/canvas.h"

bool headless_display::initialize() {
  if (refuse_mode_) {
    error_ = display_mode_error;
    return false;
  }
  return start_surfaces();
}

void headless_display::present(std::span<const overlay> overlays) {
  if (!initialized_) return;
  restore_if_lost();
  if (!frame_.valid()) frame_ = create_surface_like(display_surface);
  compose_frame(display_surface, overlays, frame_.pixels.data(), frame_.width);
  ++frames_;
}

bool headless_display::wait_event(int timeout_ms, input_event& event) {
  if (events_.empty()) {
    if (timeout_ms > 0) now_ += static_cast<uint64_t>(timeout_ms);
    return false;
  }
  event = events_.front();
  events_.pop_front();
  return true;
}
