#include <gtest/gtest.h>

#include "d64_test_image.h"
#include "listing/container_rows.h"

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
  const auto opened = std::make_unique<container_stack>();
  auto file = std::make_unique<file_buffer>();
  container_listing listing;
  for (const auto& path : images) {
    if (!opened->open(path.string())) continue;
    list_all_entries(*opened, listing);
    EXPECT_LE(listing.rows.size(), static_cast<size_t>(max_dir_entries)) << path;
    for (const entry_row& row : listing.rows) {
      EXPECT_EQ(row.name.size(), 16u);
      (void)opened->read(row.entry, file->bytes);
    }
  }
}

}  // namespace
