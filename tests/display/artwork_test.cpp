#include "display/artwork.h"

#include <gtest/gtest.h>
#include <png.h>

#include <fstream>
#include <vector>

#include "support/temp_folder.h"
#include "surface/canvas.h"

namespace {

class ArtworkTest : public ::testing::Test {
 protected:
  // Writes an RGBA PNG; rgba holds width * height pixels as bytes R, G, B, A.
  void write_png(const std::string& name, int width, int height, const std::vector<uint8_t>& rgba) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGBA;
    ASSERT_TRUE(png_image_write_to_file(&image, (dir / name).c_str(), 0, rgba.data(), 0, nullptr));
  }

  temp_folder dir;
};

TEST_F(ArtworkTest, DrawsOpaquePixelsAndLeavesTransparentOnesUndrawn) {
  // 2x2: red opaque, green transparent, blue half-transparent, white opaque.
  write_png("title_bar.png", 2, 2,
            {255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 128, 255, 255, 255, 255});
  artwork_list art;
  ASSERT_TRUE(load_artwork(art, dir.path().string()));
  surface s = create_surface(10, 10);
  fill_surface(s, 0x00123456);
  ASSERT_TRUE(draw_artwork(art, "title_bar", s, 4, 5));
  EXPECT_EQ(s.at(4, 5), 0x00FF0000u);
  EXPECT_EQ(s.at(5, 5), 0x00123456u);
  EXPECT_EQ(s.at(4, 6), 0x000000FFu);
  EXPECT_EQ(s.at(5, 6), 0x00FFFFFFu);
  EXPECT_EQ(s.at(3, 5), 0x00123456u);
  EXPECT_EQ(s.at(6, 6), 0x00123456u);
}

TEST_F(ArtworkTest, ClipsAtTheSurfaceEdges) {
  write_png("left_bar.png", 2, 2, {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255});
  artwork_list art;
  ASSERT_TRUE(load_artwork(art, dir.path().string()));
  surface s = create_surface(3, 3);
  ASSERT_TRUE(draw_artwork(art, "left_bar", s, -1, 2));
  EXPECT_EQ(s.at(0, 2), 0x00040506u);
  EXPECT_EQ(s.at(1, 2), 0u);
}

TEST_F(ArtworkTest, AMissingNameIsReportedWithItsText) {
  write_png("left_bar.png", 1, 1, {1, 2, 3, 255});
  artwork_list art;
  ASSERT_TRUE(load_artwork(art, dir.path().string()));
  surface s = create_surface(3, 3);
  EXPECT_EQ(draw_artwork(art, "right_bar", s, 0, 0).error(), "Image 'right_bar' not found");
  EXPECT_EQ(draw_artwork(art, "Left_bar", s, 0, 0).error(), "Image 'Left_bar' not found");
}

TEST_F(ArtworkTest, AMissingFolderCannotBeOpened) {
  artwork_list art;
  const std::string missing = (dir / "gfx").string();
  EXPECT_EQ(load_artwork(art, missing).error(), "Cannot open file " + missing);
  EXPECT_TRUE(art.pictures.empty());
}

TEST_F(ArtworkTest, ABrokenPngIsNamedAndItsSiblingsStillLoad) {
  write_png("bottom_bar.png", 1, 1, {1, 2, 3, 255});
  std::ofstream(dir / "right_bar.png") << "not a png";
  artwork_list art;
  EXPECT_EQ(load_artwork(art, dir.path().string()).error(),
            "Cannot open file " + (dir / "right_bar.png").string());
  surface s = create_surface(1, 1);
  EXPECT_TRUE(draw_artwork(art, "bottom_bar", s, 0, 0));
  EXPECT_EQ(s.at(0, 0), 0x00010203u);
}

}  // namespace
