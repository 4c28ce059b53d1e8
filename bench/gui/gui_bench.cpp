// The scroll indicator runs on every frame tick while the browser is shown; the panels on
// every settings key.
#include <benchmark/benchmark.h>

#include "gui/panels.h"
#include "gui/scroll_indicator.h"
#include "surface/canvas.h"

namespace {

void BM_ScrollIndicatorTick(benchmark::State& state) {
  surface s = create_surface(screen_width, screen_height);
  int row = 1;
  for (auto _ : state) {
    draw_scroll_indicator(s, 29, 500, row, true);
    row = row % 499 + 1;
    benchmark::DoNotOptimize(s.pixels.data());
  }
}
BENCHMARK(BM_ScrollIndicatorTick);

void BM_InertiaPanel(benchmark::State& state) {
  surface s = create_surface(screen_width, screen_height);
  crt_settings app;
  for (auto _ : state) {
    draw_inertia_panel(s, app);
    benchmark::DoNotOptimize(s.pixels.data());
  }
}
BENCHMARK(BM_InertiaPanel);

}  // namespace
