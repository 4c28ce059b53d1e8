// A zip of 1,000 PRG pictures: listing it as the browser does, beside libarchive's own walk over
// the same file (the floor), and opening one of its pictures, beside the same picture opened
// from a folder.
#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/ascii_case.h"
#include "browser/tdir.h"
#include "display/headless_display.h"
#include "display/input.h"
#include "listing/container_rows.h"
#include "support/scripted_dialogs.h"
#include "viewer/form.h"

namespace {

constexpr int picture_count = 1000;
const std::string shown_picture = "pic_0500.prg";

// A Koala picture at $6000 whose bytes differ from every other one's.
std::vector<uint8_t> koala(int seed) {
  std::vector<uint8_t> bytes(10003);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + seed * 31);
  bytes[0] = 0x00;
  bytes[1] = 0x60;
  return bytes;
}

std::string picture_name(int k) {
  char name[32];
  std::snprintf(name, sizeof name, "pic_%04d.prg", k);
  return name;
}

// The folder holding pictures.zip and one of its pictures as a file, made on the first run and
// kept in the build tree for the next.
std::filesystem::path zip_folder() {
  const std::filesystem::path dir = std::string(ARCHIVE_BENCH_TMP_DIR) + "/zip1000";
  const std::filesystem::path zip = dir / "pictures.zip";
  if (std::filesystem::exists(zip)) return dir;
  std::filesystem::create_directories(dir);
  archive* a = archive_write_new();
  archive_write_set_format_zip(a);
  archive_write_open_filename(a, (zip.string() + ".part").c_str());
  for (int k = 0; k < picture_count; ++k) {
    const std::vector<uint8_t> bytes = koala(k);
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, picture_name(k).c_str());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
    archive_write_header(a, entry);
    archive_write_data(a, bytes.data(), bytes.size());
    archive_entry_free(entry);
    if (picture_name(k) == shown_picture)
      std::ofstream(dir / shown_picture, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
  }
  archive_write_close(a);
  archive_write_free(a);
  std::filesystem::rename(zip.string() + ".part", zip);
  return dir;
}

void BM_ListZipOf1000Pictures(benchmark::State& state) {
  const std::string zip = (zip_folder() / "pictures.zip").string();
  const auto opened = std::make_unique<container_stack>();
  container_listing listing;
  for (auto _ : state) {
    if (!opened->open(zip)) state.SkipWithError("no zip");
    list_folder(*opened, "", listing);
  }
  if (listing.rows.size() != picture_count) state.SkipWithError("not every picture listed");
}
BENCHMARK(BM_ListZipOf1000Pictures)->Unit(benchmark::kMillisecond);

// libarchive's own walk over the zip's headers, reading nothing else: the floor of a listing.
void BM_LibarchiveWalkOfTheSameZip(benchmark::State& state) {
  const std::string zip = (zip_folder() / "pictures.zip").string();
  for (auto _ : state) {
    archive* a = archive_read_new();
    archive_read_support_format_zip_seekable(a);
    archive_read_open_filename(a, zip.c_str(), 65536);
    archive_entry* entry = nullptr;
    int entries = 0;
    while (archive_read_next_header(a, &entry) == ARCHIVE_OK) ++entries;
    archive_read_free(a);
    if (entries != picture_count) state.SkipWithError("not every entry walked");
  }
}
BENCHMARK(BM_LibarchiveWalkOfTheSameZip)->Unit(benchmark::kMillisecond);

// Enter on the picture's row to the first presented frame, from inside the zip or in the folder.
void enter_picture(benchmark::State& state, bool in_zip) {
  if (chdir(zip_folder().c_str()) != 0) return state.SkipWithError("no folder");
  headless_display screen;
  scripted_dialogs answers;
  TForm1 form(screen, {.data_dir = VELORA_DATA_DIR, .questions = &answers});
  screen.initialize();
  // Rows show names with the first letter upper-cased.
  const auto find_row = [&form](std::string_view name) {
    int row = 1;
    while (tdir_has_row(form.grid(), row) && ascii_lower(tdir_cell(form.grid(), 0, row)) != name)
      ++row;
    return row;
  };
  if (in_zip) {
    form.select_row(find_row("pictures.zip"));
    form.tdirKeyDown(vk::enter, false);
  }
  const int row = find_row(shown_picture);
  if (!tdir_has_row(form.grid(), row)) return state.SkipWithError("picture not listed");
  for (auto _ : state) {
    form.select_row(row);
    form.tdirKeyDown(vk::enter, false);
    form.DXTimerTimer();
    state.PauseTiming();
    if (!form.state().picture_shown) state.SkipWithError("picture not shown");
    form.FormKeyPress(vk::enter);
    state.ResumeTiming();
  }
}

void BM_EnterPictureFromFolder(benchmark::State& state) {
  enter_picture(state, false);
}
BENCHMARK(BM_EnterPictureFromFolder)->Unit(benchmark::kMillisecond);

void BM_EnterPictureInZip(benchmark::State& state) {
  enter_picture(state, true);
}
BENCHMARK(BM_EnterPictureInZip)->Unit(benchmark::kMillisecond);

}  // namespace
