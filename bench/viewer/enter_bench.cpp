// Enter on a picture row of the browser to the first presented frame, per sample picture,
// on the headless screen in the viewer's default settings.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "browser/tdir.h"
#include "display/headless_display.h"
#include "display/input.h"
#include "support/scripted_dialogs.h"
#include "viewer/form.h"

namespace {

void BM_EnterToFirstFrame(benchmark::State& bench, const char* file_name) {
  if (chdir(VELORA_SAMPLES_DIR) != 0) {
    bench.SkipWithError("samples folder missing");
    return;
  }
  headless_display screen;
  scripted_dialogs answers;
  TForm1 form(screen, {.data_dir = VELORA_DATA_DIR, .questions = &answers});
  screen.initialize();
  int row = 1;
  while (tdir_has_row(form.grid(), row) && tdir_row(form.grid(), row).host_name != file_name) ++row;
  if (!tdir_has_row(form.grid(), row)) {
    bench.SkipWithError("sample not listed");
    return;
  }
  for (auto _ : bench) {
    form.select_row(row);
    form.tdirKeyDown(vk::enter, false);
    form.DXTimerTimer();
    bench.PauseTiming();
    form.FormKeyPress(vk::enter);
    bench.ResumeTiming();
  }
}

BENCHMARK_CAPTURE(BM_EnterToFirstFrame, gun_paint, "01-gun-paint.vic")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnterToFirstFrame, pc64_fli, "03-pc64-fli.vic")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnterToFirstFrame, topaz_hires, "09-topaz-hires.vic")
    ->Unit(benchmark::kMillisecond);

}  // namespace
