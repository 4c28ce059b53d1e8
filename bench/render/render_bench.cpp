// A whole picture from file bytes to captioned work surfaces (load, decode, render, caption),
// per format and display mode, against the floor: the smoothing steps and pixel stores that no
// render can avoid. Packed formats also from their sample file, unpacking included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "formats/identify.h"
#include "render/crt_renderer.h"
#include "render/pixel_decoding.h"

namespace {

struct bench_state {
  picture_model model;
  chunky_buffers chunky;
  file_buffer file;
  palette_colours palette = default_palette;
  crt_settings crt;
  surface work_surface_a = create_surface(screen_width, screen_height);
  surface work_surface_b = create_surface(screen_width, screen_height);
  picture_context context{model, chunky, palette, crt, work_surface_a, work_surface_b, {}};
};

void render_format(benchmark::State& run, uint8_t format_id, uint8_t display_mode) {
  auto b = std::make_unique<bench_state>();
  for (size_t i = 0; i < b->file.bytes.size(); ++i)
    b->file.bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
  const format_entry& format = *format_by_id(format_id);
  b->crt.display_mode = display_mode;
  b->context.caption = {"Benchmark.vic", format.name};
  for (auto _ : run) {
    b->context.two_surface_picture = format.two_surface_picture();
    load_layout(format.layout.view(), b->file, b->model);
    run_decoding(format.decode, b->context);
    benchmark::DoNotOptimize(b->work_surface_a.pixels.data());
    benchmark::ClobberMemory();
  }
}

void register_formats() {
  for (const format_entry& format : format_table) {
    const std::string name = "Render/" + std::to_string(format.id) + "/";
    benchmark::RegisterBenchmark((name + "static").c_str(), render_format, format.id,
                                 display_static)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "interlaced").c_str(), render_format, format.id,
                                 display_interlaced)
        ->Unit(benchmark::kMicrosecond);
  }
}

// Unpacking the packed sample of a format, then rendering it as above.
void render_packed(benchmark::State& run, std::filesystem::path sample) {
  auto b = std::make_unique<bench_state>();
  auto unpacked = std::make_unique<file_buffer>();
  std::ifstream in(sample, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::copy(bytes.begin(), bytes.end(), b->file.bytes.begin());
  const auto size = static_cast<uint32_t>(bytes.size());
  const uint8_t id = identify_file(sample.filename().string(), size, [&](uint32_t count) {
    return std::span<const uint8_t>(b->file.bytes.data(), std::min(count, size));
  });
  const format_entry& format = *format_by_id(id);
  b->context.caption = {"Benchmark.vic", format.name};
  for (auto _ : run) {
    b->context.two_surface_picture = format.two_surface_picture();
    if (!load_picture(format, b->file, size, *unpacked, b->model)) run.SkipWithError("unpacking");
    run_decoding(format.decode, b->context);
    benchmark::DoNotOptimize(b->work_surface_a.pixels.data());
    benchmark::ClobberMemory();
  }
}

void register_packed_samples() {
  for (const auto& entry : std::filesystem::directory_iterator(VELORA_SAMPLES_DIR "/formats")) {
    if (entry.path().extension() == ".d64") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto size = static_cast<uint32_t>(bytes.size());
    const uint8_t id = identify_file(entry.path().filename().string(), size, [&](uint32_t count) {
      return std::span(reinterpret_cast<const uint8_t*>(bytes.data()), std::min(count, size));
    });
    const format_entry* format = format_by_id(id);
    if (format == nullptr || format->pack == packing::none) continue;
    benchmark::RegisterBenchmark(("RenderUnpacked/" + std::to_string(id) + "/static").c_str(),
                                 render_packed, entry.path())
        ->Unit(benchmark::kMicrosecond);
  }
}

const bool registered = (register_formats(), register_packed_samples(), true);

void RenderOnly160(benchmark::State& run) {
  auto b = std::make_unique<bench_state>();
  for (size_t i = 0; i < b->chunky.chunky_a.size(); ++i)
    b->chunky.chunky_a[i] = static_cast<uint8_t>(i / 3);
  for (auto _ : run) {
    render_160_wide(b->context, render_target::a);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RenderOnly160)->Unit(benchmark::kMicrosecond);

void RenderOnly320(benchmark::State& run) {
  auto b = std::make_unique<bench_state>();
  for (size_t i = 0; i < b->chunky.chunky_a.size(); ++i)
    b->chunky.chunky_a[i] = static_cast<uint8_t>(i / 5);
  for (auto _ : run) {
    render_320_wide(b->context, render_target::a);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RenderOnly320)->Unit(benchmark::kMicrosecond);

// 128000 smoothing steps of three channels, each writing two 32-bit pixels.
void Floor(benchmark::State& run) {
  std::vector<uint32_t> pixels(static_cast<size_t>(screen_width) * screen_height);
  const double k = inertia_table[5];
  for (auto _ : run) {
    uint32_t* out = pixels.data();
    for (int line = 0; line < 200; ++line) {
      double red = 0.0, green = 0.0, blue = 0.0;
      const double target = (line & 1) ? 255.0 : 168.0;
      uint32_t* row = out + static_cast<size_t>(line) * 2 * screen_width;
      for (int s = 0; s < 640; ++s) {
        inertia_step(blue, green, red, target, 0.0, target, k);
        const auto value = static_cast<uint32_t>(red) << 16 | static_cast<uint32_t>(green) << 8 |
                           static_cast<uint32_t>(blue);
        row[s] = value;
        row[s + screen_width] = value >> 1;
      }
    }
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Floor)->Unit(benchmark::kMicrosecond);

}  // namespace
