#include <gtest/gtest.h>

#include "d64_test_image.h"
#include "listing/d64_rows.h"

namespace {

// Lists every real image that happens to be at hand; skipped where there are none.
TEST(RealImages, ListWithoutFault) {
  std::error_code error;
  std::vector<std::filesystem::path> images;
  for (const auto& item : std::filesystem::directory_iterator(VELORA_REAL_PICTURES_DIR, error)) {
    std::string ext = item.path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".d64") images.push_back(item.path());
  }
  if (images.empty()) GTEST_SKIP() << "no real disk images at hand";
  auto reader = make_reader();
  auto file = std::make_unique<file_buffer>();
  for (const auto& path : images) {
    if (!read_directory(*reader, path)) continue;
    compute_prg_sizes(*reader);
    EXPECT_LE(reader->dir_entry_count, max_dir_entries) << path;
    for (int k = 0; k < reader->dir_entry_count; ++k) {
      const dir_entry& entry = reader->dir_entries[k];
      EXPECT_EQ(make_d64_row_texts(*reader, entry).name.size(), 16u);
      read_file_chain(*reader, entry.first_track, entry.first_sector, *file);
    }
  }
}

}  // namespace
