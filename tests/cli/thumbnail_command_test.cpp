#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "support/png_pixels.h"

namespace {

class ThumbnailCommand : public CliTest {
 protected:
  int thumbnail(const std::vector<std::string>& args) {
    return run(
        [](auto views, console& io) { return run_thumbnail_command(views, VELORA_DATA_DIR, io); },
        args);
  }
};

// A thumbnail is the render's picture area (640 x 400, no caption below it) averaged down: at
// half size each pixel is the rounded mean of a 2 x 2 block; the picture's own folder's palette
// applies, as when the viewer is opened on it.
TEST_F(ThumbnailCommand, IsTheRenderedPictureAveragedDownInItsFoldersColours) {
  std::filesystem::create_directory(dir / "pics");
  picture("pics/koala.pic", 10018);
  std::ofstream(dir / "pics" / "Velora2003.cfg") << "$0=FFFFFF";
  ASSERT_EQ(thumbnail({"pics/koala.pic", "half.png", "-s", "320"}), 0) << err;
  render_settings settings;
  settings.palette[0] = 0xFFFFFF;
  single("pics/koala.pic", "full.png", settings);
  int width = 0, height = 0, thumb_width = 0, thumb_height = 0;
  const std::vector<uint32_t> full = png_pixels(dir / "full.png", &width, &height);
  const std::vector<uint32_t> half = png_pixels(dir / "half.png", &thumb_width, &thumb_height);
  ASSERT_EQ(thumb_width, 320);
  ASSERT_EQ(thumb_height, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 320; ++x) {
      uint32_t expected = 0;
      for (int shift = 16; shift >= 0; shift -= 8) {
        unsigned sum = 0;
        for (int k = 0; k < 4; ++k)
          sum += (full[(2 * y + k / 2) * width + 2 * x + k % 2] >> shift) & 0xFF;
        expected |= ((sum + 2) / 4) << shift;
      }
      ASSERT_EQ(half[y * 320 + x], expected) << x << ',' << y;
    }
  }
}

TEST_F(ThumbnailCommand, SizesAndRefusals) {
  picture("hires.pic", 9217);
  const auto size_of = [this](const std::string& name) {
    int width = 0, height = 0;
    png_pixels(dir / name, &width, &height);
    return std::pair(width, height);
  };
  ASSERT_EQ(thumbnail({"hires.pic", "default.png"}), 0);
  EXPECT_EQ(size_of("default.png"), std::pair(256, 160));
  ASSERT_EQ(thumbnail({"-s", "2000", "hires.pic", "big.png"}), 0);
  EXPECT_EQ(size_of("big.png"), std::pair(640, 400));

  EXPECT_EQ(thumbnail({"-s", "0", "hires.pic", "x.png"}), 2);
  EXPECT_EQ(thumbnail({"hires.pic"}), 2);
  picture("odd.pic", 500);
  EXPECT_EQ(thumbnail({"odd.pic", "odd.png"}), 1);
  EXPECT_NE(err.find("odd.pic: a size of 500 bytes names no format"), std::string::npos) << err;
  EXPECT_EQ(thumbnail({"hires.pic", "hires.pic"}), 1);
  EXPECT_EQ(read_file_bytes(dir / "hires.pic").size(), 9217u);
}

}  // namespace
