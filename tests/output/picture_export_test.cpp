#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "output/image_export.h"
#include "support/files.h"
#include "support/png_pixels.h"
#include "support/temp_folder.h"

namespace {

// The pixels of an 800x600 24-bit BMP, rows bottom-up, as 0x00RRGGBB top-down.
std::vector<uint32_t> bmp_pixels(const std::vector<uint8_t>& bmp) {
  std::vector<uint32_t> pixels(screen_width * screen_height);
  for (int y = 0; y < screen_height; ++y)
    for (int x = 0; x < screen_width; ++x) {
      const uint8_t* p = bmp.data() + 54 + (screen_height - 1 - y) * screen_width * 3 + x * 3;
      pixels[y * screen_width + x] = (p[2] << 16) | (p[1] << 8) | p[0];
    }
  return pixels;
}

class PictureExport : public testing::Test {
 protected:
  void SetUp() override {
    // Every pixel's channels tell its position apart.
    for (int y = 0; y < screen_height; ++y)
      for (int x = 0; x < screen_width; ++x)
        picture.pixels[y * screen_width + x] =
            ((x & 0xFF) << 16) | ((y & 0xFF) << 8) | (((x >> 8) * 16 + (y >> 8) * 64 + 3) & 0xFF);
  }

  // Saves as the viewer's S does: PNG for a ".png" name, else BMP.
  result<> export_picture(const std::string& name) {
    return save_surface(name, picture, image_kind_of(name).value_or(image_kind::bmp), bitmap);
  }

  temp_folder dir;
  surface picture = create_surface(screen_width, screen_height);
  export_bitmap bitmap;
};

TEST_F(PictureExport, PngNameSavesTheSamePixelsAsPng) {
  ASSERT_TRUE(export_picture(dir.at("shot.PNG")).ok());
  const std::vector<uint8_t> bytes = read_file_bytes(dir / "shot.PNG");
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(bytes[1], 'P');
  int width = 0, height = 0;
  EXPECT_TRUE(png_pixels(dir / "shot.PNG", &width, &height) == picture.pixels);
  EXPECT_EQ(width, screen_width);
  EXPECT_EQ(height, screen_height);
}

// What libpng's simplified writer makes of the pixels with its fast flag.
std::vector<uint8_t> libpng_fast_file(const surface& image) {
  std::vector<uint8_t> rgb;
  for (const uint32_t p : image.pixels)
    rgb.insert(rgb.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                           static_cast<uint8_t>(p)});
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  png.flags = PNG_IMAGE_FLAG_FAST;
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
  std::vector<uint8_t> file(size);
  if (!png_image_write_to_memory(&png, file.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
  file.resize(size);
  return file;
}

// Rows of any width come out as 8-bit RGB, each pixel's unused top byte left out, in the very
// bytes libpng writes: small pictures narrow the window, large ones take several IDAT chunks.
TEST_F(PictureExport, PngOfEverySizeIsLibpngsFastFileByteForByte) {
  uint32_t noise = 12345;
  for (const auto& [width, height] :
       {std::pair{1, 1}, std::pair{5, 3}, std::pair{13, 7}, std::pair{90, 60}, std::pair{300, 200},
        std::pair{11000, 2}}) {
    surface small = create_surface(width, height);
    for (size_t i = 0; i < small.pixels.size(); ++i) {
      noise = noise * 1103515245u + 12345u;
      small.pixels[i] = 0xAB000000u | (static_cast<uint32_t>(i * 0x030507u + 0x102030u) ^
                                       (noise >> 8 & 0x030303u));
    }
    const std::string name = dir.at("small.png");
    ASSERT_TRUE(save_surface(name, small, image_kind::png, bitmap).ok());
    const std::vector<uint8_t> bytes = read_file_bytes(name);
    EXPECT_TRUE(bytes == libpng_fast_file(small)) << width << "x" << height;
    int read_width = 0, read_height = 0;
    std::vector<uint32_t> expected = small.pixels;
    for (uint32_t& p : expected) p &= 0xFFFFFF;
    EXPECT_TRUE(png_pixels(name, &read_width, &read_height) == expected) << width;
    EXPECT_EQ(read_width, width);
    EXPECT_EQ(read_height, height);
  }
}

TEST_F(PictureExport, EveryOtherNameIsTheBmpExportAsTyped) {
  for (const std::string name : {"shot", "shot.bmp", "shot.png.bmp", "shot.pngx"}) {
    ASSERT_TRUE(export_picture(dir.at(name)).ok()) << name;
    const std::vector<uint8_t> bytes = read_file_bytes(dir / name);
    ASSERT_EQ(bytes.size(), 1440054u) << name;
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_TRUE(bmp_pixels(bytes) == picture.pixels) << name;
  }
}

TEST_F(PictureExport, UnwritableNameReportsCannotCreate) {
  const std::string name = dir.at("no-dir/shot.png");
  const result<> written = export_picture(name);
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.error(), "Cannot create file " + name);
}

}  // namespace
