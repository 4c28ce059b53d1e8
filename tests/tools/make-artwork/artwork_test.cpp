#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include "pictures.h"
#include "png_file.h"
#include "support/temp_folder.h"

namespace {

struct screen_area {
  const char* what;
  int x1, y1, x2, y2;  // right and bottom excluded
};

// What the frame must leave visible: the grid, the panels' texts, the F1 hint, the status line.
constexpr screen_area kept_clear[] = {
    {"browser grid", 21, 72, 585, 525}, {"scroll indicator", 592, 87, 603, 522},
    {"panels", 634, 80, 790, 260},      {"F1 hint", 644, 490, 790, 520},
    {"status line", 30, 560, 600, 575},
};

struct placed_picture {
  const char* name;
  rgba_image (*make)();
  int x, y, width, height;
};

const placed_picture pictures[] = {
    {"title_bar", make_title_bar, 0, 0, 800, 66},
    {"left_bar", make_left_bar, 0, 66, 18, 534},
    {"right_bar", make_right_bar, 609, 66, 191, 534},
    {"bottom_bar", make_bottom_bar, 18, 529, 591, 71},
};

TEST(FramePictures, SizesFitTheScreenAtTheirPlacements) {
  for (const placed_picture& p : pictures) {
    const rgba_image img = p.make();
    EXPECT_EQ(img.width, p.width) << p.name;
    EXPECT_EQ(img.height, p.height) << p.name;
    EXPECT_LE(p.x + img.width, 800) << p.name;
    EXPECT_LE(p.y + img.height, 600) << p.name;
  }
}

TEST(FramePictures, LeaveTheGridPanelsHintAndStatusLineUncovered) {
  for (const placed_picture& p : pictures) {
    rgba_image img = p.make();
    for (const screen_area& area : kept_clear) {
      int covered = 0;
      for (int y = area.y1; y < area.y2; ++y)
        for (int x = area.x1; x < area.x2; ++x) {
          const int px = x - p.x, py = y - p.y;
          covered += img.inside(px, py) && img.at(px, py).a != 0;
        }
      EXPECT_EQ(covered, 0) << p.name << " covers the " << area.what;
    }
  }
}

TEST(FramePictures, AreOpaqueMetalOutsideTheirWindows) {
  for (const placed_picture& p : pictures) {
    rgba_image img = p.make();
    int opaque = 0, partial = 0;
    for (const rgba& c : img.pixels) {
      opaque += c.a == 255;
      partial += c.a != 0 && c.a != 255;
    }
    EXPECT_EQ(partial, 0) << p.name << ": transparency is all or nothing";
    EXPECT_GT(opaque, static_cast<int>(img.pixels.size()) / 2) << p.name;
    // Corners are frame, not window.
    EXPECT_EQ(img.at(0, 0).a, 255) << p.name;
    EXPECT_EQ(img.at(img.width - 1, img.height - 1).a, 255) << p.name;
  }
}

TEST(FramePictures, TitleBarCarriesTheNameInLightLetters) {
  rgba_image img = make_title_bar();
  int light = 0;
  for (int y = 14; y < 46; ++y)
    for (int x = 30; x < 350; ++x) light += img.at(x, y).r > 0xC0;
  EXPECT_GT(light, 2000);
}

TEST(Icon, IsSquareWithTransparentCorners) {
  rgba_image icon = make_icon();
  EXPECT_EQ(icon.width, 256);
  EXPECT_EQ(icon.height, 256);
  EXPECT_EQ(icon.at(0, 0).a, 0);
  EXPECT_EQ(icon.at(255, 255).a, 0);
  EXPECT_EQ(icon.at(128, 128).a, 255);
}

TEST(PngFile, WritesWhatReadsBackAsTheSamePixels) {
  const temp_folder dir;
  const std::string path = dir.at("right_bar.png");
  const rgba_image img = make_right_bar();
  ASSERT_TRUE(write_png(path, img));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
  ASSERT_EQ(static_cast<int>(image.width), img.width);
  ASSERT_EQ(static_cast<int>(image.height), img.height);
  for (size_t i = 0; i < img.pixels.size(); ++i) {
    const rgba& c = img.pixels[i];
    ASSERT_EQ(pixels[4 * i + 3], c.a) << i;
    if (c.a == 0) continue;
    ASSERT_EQ(pixels[4 * i], c.r) << i;
    ASSERT_EQ(pixels[4 * i + 1], c.g) << i;
    ASSERT_EQ(pixels[4 * i + 2], c.b) << i;
  }
}

TEST(PngFile, UnwritableFolderFailsAndLeavesNothing) {
  const temp_folder dir;
  const std::string path = dir.at("no-such-folder/x.png");
  EXPECT_FALSE(write_png(path, make_left_bar()));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

}  // namespace
