// Listing a full disk: 144 entries whose sizes are walked along their chains, by the reader
// alone from memory, and as the listings show it from the file.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "containers/d64/d64_read.h"
#include "listing/container_rows.h"
#include "tools/make-d64/d64_writer.h"

namespace {

using image_bytes = std::array<uint8_t, d64_image_size>;

// 144 files of 4 or 5 sectors: 648 of the 664 free sectors in use.
std::unique_ptr<image_bytes> full_image() {
  std::vector<std::vector<uint8_t>> contents;
  std::vector<d64_file> files;
  for (int f = 0; f < d64_max_files; ++f)
    contents.emplace_back(f % 2 ? 1200 : 1000, static_cast<uint8_t>(f));
  for (int f = 0; f < d64_max_files; ++f)
    files.push_back({"FILE " + std::to_string(f), 0x82, contents[f]});
  auto image = std::make_unique<image_bytes>();
  if (!build_d64_image("BENCH", "B1", files, *image).ok) std::abort();
  return image;
}

void BM_ListFullImageFromMemory(benchmark::State& state) {
  const auto image = full_image();
  const auto reader = std::make_unique<d64_reader>();
  for (auto _ : state) {
    if (!read_directory_from_bytes(*reader, *image)) state.SkipWithError("not an image");
    compute_prg_sizes(*reader);
    if (reader->dir_entry_count != d64_max_files) state.SkipWithError("not a full directory");
  }
}
BENCHMARK(BM_ListFullImageFromMemory)->Unit(benchmark::kMicrosecond);

void BM_ListFullImageFromFile(benchmark::State& state) {
  std::filesystem::create_directories(D64_BENCH_TMP_DIR);
  const auto path = std::filesystem::path(D64_BENCH_TMP_DIR) / "full.d64";
  const auto image = full_image();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(image->data()), d64_image_size);
  const auto opened = std::make_unique<container_stack>();
  container_listing listing;
  for (auto _ : state) {
    if (!opened->open(path.string())) state.SkipWithError("image not written");
    list_all_entries(*opened, listing);
    if (listing.rows.size() != d64_max_files) state.SkipWithError("not a full directory");
  }
}
BENCHMARK(BM_ListFullImageFromFile)->Unit(benchmark::kMicrosecond);

}  // namespace
