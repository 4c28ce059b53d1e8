#include "gui/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/panels.h"
#include "surface/canvas.h"
#include "surface_probe.h"
#include "text/text.h"

namespace {

struct placement {
  std::string name;
  int x;
  int y;
};

// Paints a 4x4 block per picture (each its own colour) and records where it was asked to.
struct recording_painter {
  std::vector<placement> calls;
  std::string missing;

  artwork_painter painter() {
    return [this](std::string_view name, surface& target, int x, int y) -> result<> {
      calls.push_back({std::string(name), x, y});
      if (name == missing) return failure{"Image '" + std::string(name) + "' not found"};
      target.canvas.brush = brush_style::solid;
      target.canvas.brush_colour = 0x00010203 * static_cast<uint32_t>(calls.size());
      target.canvas.pen_colour = target.canvas.brush_colour;
      draw_rect(target, x, y, x + 4, y + 4);
      return {};
    };
  }
};

TEST(Frame, DrawsBackgroundArtworkHintPanelsAndStatusLine) {
  surface s = marked_screen();
  const crt_settings crt;
  const frame_values state{crt, rate_each_frame, "/pics"};
  recording_painter art;
  EXPECT_TRUE(draw_frame(s, state, art.painter()));

  ASSERT_EQ(art.calls.size(), 4u);
  const std::vector<placement> expected = {
      {"title_bar", 0, 0}, {"left_bar", 0, 66}, {"right_bar", 609, 66}, {"bottom_bar", 18, 529}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(art.calls[i].name, expected[i].name);
    EXPECT_EQ(art.calls[i].x, expected[i].x);
    EXPECT_EQ(art.calls[i].y, expected[i].y);
    const uint32_t canvas = 0x00010203 * static_cast<uint32_t>(i + 1);
    EXPECT_EQ(s.at(expected[i].x + 3, expected[i].y + 3), canvas_to_pixel(canvas)) << i;
  }
  EXPECT_EQ(count_pixels(s, 0, 0, 800, 600, marker), 0);
  EXPECT_EQ(s.at(300, 300), background);
  EXPECT_EQ(s.at(799, 599), background);

  // The hint: white sentence, black key name over its "F1".
  const int key_x = 644 + text_width(s, "Press ");
  const int key_end = key_x + text_width(s, "F1");
  EXPECT_GT(count_pixels(s, 644, 490, key_x, 504, white), 20);
  EXPECT_GT(count_pixels(s, key_x, 490, key_end, 504, black), 20);
  EXPECT_EQ(count_pixels(s, key_x, 490, key_end, 504, white), 0);  // no white "F1" shows beside it
  EXPECT_GT(count_pixels(s, key_end + 2, 490, 790, 504, white), 60);
  EXPECT_EQ(count_pixels(s, 644, 490, key_x, 504, black), 0);
  EXPECT_GT(count_pixels(s, 644, 505, 700, 519, white), 30);

  // The panels at their defaults: inertia 5, scan line 6, STATIC.
  EXPECT_EQ(s.at(645 + 65 + 1, 105), slider_fill);
  EXPECT_EQ(s.at(645 + 88 + 1, 155), slider_fill);
  EXPECT_GT(count_pixels(s, 644, 205, 787, 219, value_blue), 40);
  EXPECT_GT(count_pixels(s, 644, 240, 787, 254, value_blue), 20);
  EXPECT_GT(count_pixels(s, 30, 560, 100, 575, white), 20);
}

TEST(Frame, HintKeepsTheArtworkBehindItsLetters) {
  surface s = marked_screen();
  const crt_settings crt;
  const frame_values state{crt, rate_each_frame, ""};
  // Artwork that covers the hint's area in one colour: the clear brush leaves it between letters.
  artwork_painter painter = [](std::string_view name, surface& target, int, int) {
    if (name == "right_bar") {
      target.canvas.brush = brush_style::solid;
      target.canvas.brush_colour = 0x00203040;
      target.canvas.pen_colour = 0x00203040;
      draw_rect(target, 640, 485, 800, 525);
    }
    return result<>();
  };
  ASSERT_TRUE(draw_frame(s, state, painter));
  EXPECT_EQ(s.at(641, 486), 0x403020u);
  EXPECT_GT(count_pixels(s, 644, 490, 790, 519, 0x403020), 1000);
  EXPECT_EQ(count_pixels(s, 644, 490, 790, 519, background), 0);
}

TEST(Frame, MissingArtworkStopsTheFrameAtThatStep) {
  surface s = marked_screen();
  const crt_settings crt;
  const frame_values state{crt, rate_each_frame, "/pics"};
  recording_painter art;
  art.missing = "right_bar";
  EXPECT_EQ(draw_frame(s, state, art.painter()).error(), "Image 'right_bar' not found");
  ASSERT_EQ(art.calls.size(), 3u);
  EXPECT_EQ(art.calls.back().name, "right_bar");
  // Background and the pictures before it are drawn; nothing after.
  EXPECT_EQ(s.at(300, 300), background);
  EXPECT_NE(s.at(3, 69), background);
  EXPECT_EQ(count_pixels(s, 18, 529, 22, 533, background), 16);
  EXPECT_EQ(count_pixels(s, 634, 80, 790, 260, background), 156 * 180);
  EXPECT_EQ(count_pixels(s, 644, 490, 790, 520, background), 146 * 30);
  EXPECT_EQ(count_pixels(s, 30, 560, 600, 575, background), 570 * 15);
}

TEST(Frame, MissingTitleBarDrawsOnlyTheBackground) {
  surface s = marked_screen();
  const crt_settings crt;
  const frame_values state{crt, rate_each_frame, ""};
  recording_painter art;
  art.missing = "title_bar";
  EXPECT_EQ(draw_frame(s, state, art.painter()).error(), "Image 'title_bar' not found");
  EXPECT_EQ(art.calls.size(), 1u);
  EXPECT_EQ(count_pixels(s, 0, 0, 800, 600, background), 800 * 600);
}

}  // namespace
