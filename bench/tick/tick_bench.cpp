// One presenting frame tick of a shown picture: the 659x549 copy, the composition and the
// present, on the headless screen and on SDL's offscreen driver.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>

#include "display/headless_display.h"
#include "display/sdl_display.h"
#include "surface/canvas.h"
#include "viewer/form.h"

namespace {

// A two-frame sample picture shown in INTERLACED mode, so the ticks alternate its surfaces.
void presenting_tick(benchmark::State& bench, display& screen) {
  if (chdir(VELORA_SAMPLES_DIR) != 0) {
    bench.SkipWithError("samples folder missing");
    return;
  }
  TForm1 form(screen, {.data_dir = VELORA_DATA_DIR});
  if (!screen.initialize()) {
    bench.SkipWithError(screen.error().c_str());
    return;
  }
  int row = 1;
  while (tdir_has_row(form.grid(), row) &&
         tdir_row(form.grid(), row).host_name != "01-gun-paint.vic")
    ++row;
  form.tdirKeyDown(vk::f9, false);
  form.select_row(row);
  form.tdirKeyDown(vk::enter, false);
  if (!form.state().picture_shown) {
    bench.SkipWithError("sample not shown");
    return;
  }
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
