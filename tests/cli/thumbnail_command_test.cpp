#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "render/character_rom_lookup.h"
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
  picture("same.png", 9217);
  EXPECT_EQ(thumbnail({"same.png", "same.png"}), 1);
  EXPECT_EQ(read_file_bytes(dir / "same.png").size(), 9217u);
}

// The thumbnail is drawn by the desktop plugins' path (no caption, the picture alone); at full
// size it is exactly the picture the viewer's own chain renders from the work surface's top
// left, for every format.
TEST_F(ThumbnailCommand, AtFullSizeIsTheRenderedPictureOfEverySample) {
  int checked = 0;
  // Character screens drawn with the ROM the thumbnail finds.
  render_settings settings;
  settings.rom =
      *find_character_rom(std::nullopt, VELORA_DATA_DIR, chargen_environment_from_process());
  for (const char* folder : {"", "formats/"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VELORA_SAMPLES_DIR) + "/" + folder)) {
      const std::string path = entry.path().string();
      if (!entry.is_regular_file() || entry.path().extension() == ".d64" ||
          entry.path().extension() == ".md" || path.find("00-unknown") != std::string::npos)
        continue;
      ASSERT_EQ(thumbnail({"-s", "4096", path, "thumb.png"}), 0) << path << ": " << err;
      single(path, "render.png", settings);
      int width = 0, height = 0, thumb_width = 0, thumb_height = 0;
      const std::vector<uint32_t> full = png_pixels(dir / "render.png", &width, &height);
      const std::vector<uint32_t> thumb =
          png_pixels(dir / "thumb.png", &thumb_width, &thumb_height);
      // Fonts and logos are smaller than a screen, BFLI and pages larger: only the caption
      // below the picture is left out.
      ASSERT_GT(thumb_width * thumb_height, 0) << path;
      ASSERT_LE(thumb_width, width) << path;
      ASSERT_LT(thumb_height, height) << path;
      for (int y = 0; y < thumb_height; ++y)
        ASSERT_TRUE(std::equal(thumb.begin() + y * thumb_width,
                               thumb.begin() + (y + 1) * thumb_width, full.begin() + y * width))
            << path << " line " << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

// A disk image's thumbnail is its first picture; one without a picture gets none, so the file
// manager keeps its icon.
TEST_F(ThumbnailCommand, ADiskImageShowsItsFirstPicture) {
  disk_image("disk.d64");
  ASSERT_EQ(thumbnail({"disk.d64", "disk.png"}), 0) << err;
  ASSERT_EQ(thumbnail({"disk.d64:1", "entry.png"}), 0) << err;
  EXPECT_EQ(read_file_bytes(dir / "disk.png"), read_file_bytes(dir / "entry.png"));

  const std::vector<d64_file> files = {{"ODD", 0x82, odd}};
  write_file_bytes(dir / "empty.d64", d64_image_of(files));
  EXPECT_EQ(thumbnail({"empty.d64", "empty.png"}), 1);
  EXPECT_NE(err.find("empty.d64: the disk image holds no picture that can be shown"),
            std::string::npos)
      << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "empty.png"));
}

// A thumbnail service makes OUTPUT itself and reads the picture back through its own
// descriptor; PNG is the only kind a thumbnail is written as.
TEST_F(ThumbnailCommand, WritesAnExistingOutputInPlaceAndOnlyAsPng) {
  picture("hires.pic", 9217);
  write_file_bytes(dir / "made-by-service.png", {});
  std::ifstream service(dir / "made-by-service.png", std::ios::binary);
  ASSERT_EQ(thumbnail({"hires.pic", "made-by-service.png"}), 0) << err;
  const std::vector<uint8_t> seen{std::istreambuf_iterator<char>(service), {}};
  ASSERT_GE(seen.size(), 8u);
  EXPECT_EQ(seen[1], 'P');

  EXPECT_EQ(thumbnail({"hires.pic", "out.bmp"}), 2);
  EXPECT_NE(err.find("out.bmp: a thumbnail is a PNG file"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
  EXPECT_EQ(thumbnail({"hires.pic", "OUT.PNG"}), 0) << err;
}

}  // namespace
