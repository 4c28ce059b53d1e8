#include "viewer/frame_tick.h"

#include "surface/canvas.h"

namespace {
constexpr int interval_without_rate_ms = 25;
}  // namespace

int frame_interval_ms(unsigned rate) {
  if (rate == 0) return interval_without_rate_ms;
  return static_cast<int>(1000.0 / rate);  // truncated toward zero: 60 Hz gives 16 ms
}

void copy_picture_frame(app_state& state, const surface& work_surface_a,
                        const surface& work_surface_b, surface& display_surface) {
  if (!state.presenting) return;
  const bool from_a = !state.two_surface_picture || state.frame_toggle;
  const surface& work_surface = from_a ? work_surface_a : work_surface_b;
  if (state.window.scrolls()) {
    const window_areas areas = areas_of(state.window);
    copy_rect(display_surface, picture_area_x, picture_area_y, work_surface, areas.picture);
    copy_rect(display_surface, picture_area_x, picture_area_y + 2 * window_lines, work_surface,
              areas.caption);
  } else {
    copy_rect(display_surface, picture_area_x, picture_area_y, work_surface, picture_area);
  }
  state.frame_toggle = !state.frame_toggle;
}
