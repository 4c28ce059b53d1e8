#pragma once
// The picture the samples show, computed here: a dithered sunset sky, a striped sun, a
// perspective grid floor and lettering, in the 16 C64 colours. It is painted at hires width
// for each frame; fitting it into a format's colour limits is picture_fitting's job.
#include <array>
#include <cstdint>
#include <string_view>

constexpr int picture_width = 320;
constexpr int picture_height = 200;

struct scene_style {
  std::string_view title;
  std::string_view subtitle;
  bool hires = false;             // pixels are one hires pixel wide, not a pair
  bool two_frames = false;        // frame B differs from frame A where the eye blends them
  bool fine_colour = false;       // colours may change on every raster line
  bool line_backgrounds = false;  // the sky is also the background colour of its lines
  bool greys = false;             // only black, dark grey, grey and light grey
  bool black_and_white = false;   // ink on black, the sky in dots
  uint8_t ink = 1;                // the one colour besides black, where black_and_white
};

struct target_picture {
  // Colour index of each hires pixel, line by line, for frame A and frame B.
  std::array<std::array<uint8_t, picture_width * picture_height>, 2> frames{};
  // The background colour the scene suggests for each raster line.
  std::array<uint8_t, picture_height> line_background{};
};

// Paints both frames and the suggested line backgrounds of the scene in style.
void paint_scene(const scene_style& style, target_picture& picture);
