// Listing a large folder of pictures and painting the grid.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "browser/browser.h"
#include "browser/grid_painter.h"

namespace {

class no_drives final : public drive_provider {
 public:
  void list_drives(std::vector<drive_item>& drives) override {
    drives = {{"/", "/ [ext4]"}, {"/home/ann", "/home/ann [home]"}};
  }
};

// A folder of 10,000 .vic files of assorted sizes and 1,000 directories, made on the first run
// and kept in the build tree for the next.
std::filesystem::path big_folder() {
  std::filesystem::path dir = std::string(BROWSER_BENCH_TMP_DIR) + "/big-folder";
  const std::filesystem::path ready = std::string(BROWSER_BENCH_TMP_DIR) + "/big-folder.ready";
  if (std::filesystem::exists(ready)) return dir;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string bytes(10018, '\x5A');
  for (int i = 0; i < 10000; ++i) {
    std::ofstream(dir / ("picture_" + std::to_string(i * 7919 % 10000) + ".vic"), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(i % 3 == 0 ? 10018 : i % 1000));
  }
  for (int i = 0; i < 1000; ++i)
    std::filesystem::create_directory(dir / ("folder_" + std::to_string(i * 613 % 1000)));
  std::ofstream(ready) << "complete\n";
  return dir;
}

void BM_list_directory_10000_pictures_1000_dirs(benchmark::State& state) {
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(big_folder());
  posix_directory_lister lister;
  no_drives drives;
  browser b;
  b.lister = &lister;
  b.drives = &drives;
  for (auto _ : state) {
    list_directory(b);
    benchmark::DoNotOptimize(b.grid.row_count);
  }
  state.counters["rows"] = b.grid.row_count;
  std::filesystem::current_path(start);
}
BENCHMARK(BM_list_directory_10000_pictures_1000_dirs)->Unit(benchmark::kMillisecond);

void BM_enumerate_only(benchmark::State& state) {
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(big_folder());
  posix_directory_lister lister;
  std::vector<host_entry> entries;
  for (auto _ : state) {
    lister.list_current_directory(entries);
    benchmark::DoNotOptimize(entries.data());
  }
  std::filesystem::current_path(start);
}
BENCHMARK(BM_enumerate_only)->Unit(benchmark::kMillisecond);

// The floor of a listing: reading the same folder's names and the status of each (its kind
// and size), nothing else.
void BM_readdir_and_stat(benchmark::State& state) {
  const std::string dir = big_folder().string();
  for (auto _ : state) {
    DIR* stream = opendir(dir.c_str());
    int count = 0;
    while (const dirent* entry = readdir(stream)) {
      struct stat info {};
      benchmark::DoNotOptimize(fstatat(dirfd(stream), entry->d_name, &info, 0));
      benchmark::DoNotOptimize(info.st_size);
      ++count;
    }
    closedir(stream);
    state.counters["entries"] = count;
  }
}
BENCHMARK(BM_readdir_and_stat)->Unit(benchmark::kMillisecond);

void BM_paint_grid(benchmark::State& state) {
  tdir grid;
  tdir_set_row_count(grid, 500);
  tdir_row(grid, 0).cells = {"File name", "Type", "Size", "GFX format"};
  for (int row = 1; row < 500; ++row) {
    tdir_row(grid, row).cells = {"Picture_" + std::to_string(row) + ".vic", "<File>", "10018",
                                 "Advanced Art Studio 160x200"};
  }
  tdir_set_top_row(grid, 200);
  tdir_select_row(grid, 210);
  surface target = create_surface(grid_width, grid_height);
  for (auto _ : state) {
    paint_grid(target, grid);
    benchmark::DoNotOptimize(target.pixels.data());
  }
}
BENCHMARK(BM_paint_grid)->Unit(benchmark::kMillisecond);

}  // namespace
