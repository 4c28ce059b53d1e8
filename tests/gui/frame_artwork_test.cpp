#include <gtest/gtest.h>

#include "display/artwork.h"
#include "gui/frame.h"
#include "gui/panels.h"
#include "surface_probe.h"

namespace {

// The frame with the artwork the build painted into its data folder.
class FrameWithArtwork : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_artwork(artwork_, VELORA_DATA_DIR "/gfx"));
    ASSERT_TRUE(draw_frame(s_, {crt_, rate_each_frame, "/pics"}, artwork_));
  }
  artwork_list artwork_;
  crt_settings crt_;
  surface s_ = marked_screen();
};

TEST_F(FrameWithArtwork, LeavesTheGridAreaInTheBackgroundColour) {
  EXPECT_EQ(count_pixels(s_, 18, 66, 609, 529, background), 591 * 463);
}

TEST_F(FrameWithArtwork, CoversTheEdgesWithMetal) {
  for (auto [x, y] : {std::pair{0, 0}, {400, 5}, {5, 300}, {700, 380}, {300, 595}, {799, 599}})
    EXPECT_NE(s_.at(x, y), background) << x << "," << y;
  EXPECT_EQ(count_pixels(s_, 0, 0, 800, 600, marker), 0);
}

TEST_F(FrameWithArtwork, PanelsHintAndStatusLineShowThrough) {
  EXPECT_EQ(s_.at(645 + 65, 100), slider_border);
  EXPECT_EQ(s_.at(645 + 66, 105), slider_fill);
  EXPECT_EQ(s_.at(645 + 89, 155), slider_fill);
  EXPECT_EQ(s_.at(637, 80), background);
  EXPECT_EQ(s_.at(789, 259), background);
  EXPECT_GT(count_pixels(s_, 644, 205, 787, 219, value_blue), 40);
  EXPECT_GT(count_pixels(s_, 644, 490, 679, 504, white), 20);
  EXPECT_GT(count_pixels(s_, 644, 505, 700, 519, white), 30);
  EXPECT_GT(count_pixels(s_, 30, 560, 100, 575, white), 20);
  EXPECT_EQ(s_.at(599, 574), background);
}

TEST(FrameArtwork, MissingFolderIsReportedBeforeAnyFrame) {
  artwork_list artwork;
  EXPECT_EQ(load_artwork(artwork, "/nonexistent-velora-gfx").error(),
            "Cannot open file /nonexistent-velora-gfx");
  surface s = marked_screen();
  const crt_settings crt;
  EXPECT_EQ(draw_frame(s, {crt, rate_each_frame, ""}, artwork).error(),
            "Image 'title_bar' not found");
  EXPECT_EQ(count_pixels(s, 0, 0, 800, 600, background), 800 * 600);
}

}  // namespace
