// One presenting frame tick of a shown picture: the 659x549 copy, the composition and the
// present, on the headless screen and on SDL's offscreen driver.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstring>

#include "display/canvas.h"
#include "display/headless_display.h"
#include "display/sdl_display.h"
#include "viewer/form.h"

namespace {

void show_picture_state(TForm1& form) {
  fill_surface(form.work_surface_a, 0x00A1A2A3);
  fill_surface(form.work_surface_b, 0x00B1B2B3);
  form.state.picture_shown = true;
  form.grid_visible = false;
}

void presenting_tick(benchmark::State& bench, display& screen) {
  TForm1 form(screen, "/nonexistent", [](const std::string&) {});
  if (!screen.initialize()) {
    bench.SkipWithError(screen.error().c_str());
    return;
  }
  show_picture_state(form);
  for (auto _ : bench) form.DXTimerTimer();
}

void BM_HeadlessPresentingTick(benchmark::State& bench) {
  headless_display screen;
  presenting_tick(bench, screen);
}
BENCHMARK(BM_HeadlessPresentingTick)->Unit(benchmark::kMicrosecond);

void BM_SdlOffscreenPresentingTick(benchmark::State& bench) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  sdl_display screen({.windowed = true, .scale = 1, .integer_scale = false});
  presenting_tick(bench, screen);
}
BENCHMARK(BM_SdlOffscreenPresentingTick)->Unit(benchmark::kMicrosecond);

// The floor of a presenting tick: the 659x549 picture area copied row by row to (70,50) of
// another 800x600 buffer.
void BM_BareCopy659x549(benchmark::State& bench) {
  surface from = create_surface(screen_width, screen_height);
  surface to = create_surface(screen_width, screen_height);
  fill_surface(from, 0x00A1A2A3);
  for (auto _ : bench) {
    for (int y = 0; y < 549; ++y) {
      std::memcpy(&to.pixels[static_cast<size_t>(50 + y) * screen_width + 70],
                  &from.pixels[static_cast<size_t>(y) * screen_width], 659 * sizeof(uint32_t));
    }
    benchmark::DoNotOptimize(to.pixels.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BareCopy659x549)->Unit(benchmark::kMicrosecond);

}  // namespace
