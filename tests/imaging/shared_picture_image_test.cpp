#include "imaging/shared_picture_image.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <numeric>
#include <thread>
#include <vector>

#include "imaging/viewer_palette.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

std::vector<uint8_t> sample(const std::string& name) {
  return read_file_bytes(std::string(VELORA_SAMPLES_DIR) + "/" + name);
}

// A sum of the picture's pixels that differs between the samples drawn below.
uint64_t checksum(std::span<const uint8_t> bytes, std::string_view name) {
  uint64_t sum = 0;
  const result<> drawn = with_picture_image(bytes, name, [&](const picture_image& picture) {
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        sum = sum * 31 + picture.frame->at(picture.area.x1 + x, picture.area.y1 + y);
  });
  EXPECT_TRUE(drawn.ok());
  return sum;
}

// Hosts load pictures from several threads at once: each gets its own picture, whole.
TEST(WithPictureImage, ThreadsDrawingAtOnceEachGetTheirOwnPicture) {
  const std::vector<std::vector<uint8_t>> files = {
      sample("14-art-studio.vic"), sample("06-draz-lace.vic"), sample("09-topaz-hires.vic")};
  std::vector<uint64_t> expected;
  expected.reserve(files.size());
  for (const auto& bytes : files) expected.push_back(checksum(bytes, "pic.vic"));
  ASSERT_NE(expected[0], expected[1]);
  std::vector<int> mismatches(files.size(), 0);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < files.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 8; ++round)
        mismatches[t] += checksum(files[t], "pic.vic") != expected[t];
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(std::accumulate(mismatches.begin(), mismatches.end(), 0), 0);
}

TEST(WithPictureImage, FailsWithTheReasonAndHandsOverNothing) {
  bool used = false;
  const result<> drawn = with_picture_image(counting_bytes(500), "odd.vic",
                                            [&](const picture_image&) { used = true; });
  ASSERT_FALSE(drawn.ok());
  EXPECT_EQ(drawn.error(), "a size of 500 bytes names no format");
  EXPECT_FALSE(used);
}

// The viewer opened on the file's folder reads that folder's palette; a file without a name
// has no folder, and only the user's own palette applies, never the current folder's.
TEST(ViewerPaletteFor, TheFilesFolderElseTheUsersOwn) {
  temp_folder dir(temp_folder::current::enter);
  std::filesystem::create_directories(dir / "pics");
  std::filesystem::create_directories(dir / "config/velora2003");
  std::ofstream(dir / "pics/Velora2003.cfg") << "$0=112233";
  std::ofstream(dir / "Velora2003.cfg") << "$0=445566";
  std::ofstream(dir / "config/velora2003/Velora2003.cfg") << "$0=778899";
  ASSERT_EQ(setenv("XDG_CONFIG_HOME", dir.at("config").c_str(), 1), 0);
  EXPECT_EQ(viewer_palette_for(dir.at("pics/a.koa"))[0], 0x332211u);
  EXPECT_EQ(viewer_palette_for("a.koa")[0], 0x665544u);
  EXPECT_EQ(viewer_palette_for("")[0], 0x998877u);
  EXPECT_EQ(viewer_palette_for("")[1], default_palette[1]);
}

}  // namespace
