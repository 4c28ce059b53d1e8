#include "sample_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "c64_colours.h"
#include "pixel_font.h"

namespace {

using namespace c64;

constexpr int horizon = 128;
constexpr int band_lines = 32;  // sky colour steps span whole character rows
constexpr std::array<uint8_t, 5> sky_ramp = {blue, purple, red, orange, light_red};
constexpr int title_top = 8, title_bottom = 32, subtitle_top = 184;
constexpr std::array<uint8_t, 7> title_ramp = {white,       yellow, yellow,    light_grey,
                                               light_green, cyan,   light_blue};

// Ordered-dither thresholds in 0..1 for a 4x4 tile.
double dither_threshold(int x, int y) {
  static constexpr std::array<int, 16> bayer = {0, 8,  2, 10, 12, 4, 14, 6,
                                                3, 11, 1, 9,  15, 7, 13, 5};
  return (bayer[(y & 3) * 4 + (x & 3)] + 0.5) / 16.0;
}

// The column that dithering sees: a multicolour frame has only one pixel per pair.
int dither_column(const scene_style& style, int x) {
  return style.hires || style.two_frames ? x : x / 2;
}

double sky_position(int y) {
  return (y % band_lines + 0.5) / band_lines;
}

uint8_t sky_colour(const scene_style& style, int x, int y, int frame) {
  // Hires frames lie pixel over pixel: they dither apart, so the eye sees more shades.
  const int apart = style.hires && style.two_frames ? frame : 0;
  const double threshold = dither_threshold(dither_column(style, x) + 2 * apart, y + apart);
  // Without colours the sky lightens towards the horizon by the density of its dots.
  if (style.black_and_white) return 0.6 * (y + 0.5) / horizon > threshold ? white : black;
  const int band = y / band_lines;
  const bool upper = sky_position(y) > threshold;
  return sky_ramp[band + (upper ? 1 : 0)];
}

std::optional<uint8_t> star_colour(const scene_style& style, int x, int y) {
  if (y >= 2 * band_lines) return std::nullopt;
  const int column = dither_column(style, x);
  if ((column * 73 + y * 151) % 97 != 0) return std::nullopt;
  return white;
}

// A sun sinking into the horizon, cut by widening gaps towards its lower edge.
std::optional<uint8_t> sun_colour(const scene_style& style, int x, int y, int frame) {
  constexpr int centre_x = 160, centre_y = 124, radius = 60, stripes_from = 84;
  if (y >= horizon) return std::nullopt;
  const double dx = x + 0.5 - centre_x, dy = y + 0.5 - centre_y;
  if (dx * dx + dy * dy > radius * radius) return std::nullopt;
  if (y > stripes_from && (y - stripes_from) % 10 < (y - stripes_from) / 9) return std::nullopt;
  const double t = (y - (centre_y - radius)) / static_cast<double>(radius);
  double white_until = 0.3;
  if (style.fine_colour) white_until = 0.2 + 0.2 * (y % 2);
  if (style.two_frames) white_until += frame == 0 ? -0.1 : 0.1;
  return t < white_until ? white : yellow;
}

// A grid floor in perspective; its lines change colour with distance.
uint8_t floor_colour(const scene_style& style, int x, int y, int frame) {
  constexpr double spacing = 8, lens = 64, dense_depth = 80;
  const auto depth = [](int line) { return 640.0 / (line - horizon + 4); };
  const bool across = std::floor(depth(y) / spacing) != std::floor(depth(y + 1) / spacing);
  const double world_x = (x + 0.5 - 160) * depth(y) / lens;
  const double nearest = std::round(world_x / spacing) * spacing;
  const double line_width = (style.hires || style.two_frames ? 0.6 : 1.2) * depth(y) / lens;
  const bool along = depth(y) < dense_depth && std::abs(world_x - nearest) < line_width;
  if (!across && !along) return black;
  if (style.fine_colour) {
    static constexpr std::array<uint8_t, 7> fine_ramp = {
        purple, purple, light_blue, light_blue, cyan, light_green, white};
    const int step = (y - horizon) * static_cast<int>(fine_ramp.size()) / (subtitle_top - horizon);
    return fine_ramp[std::min<int>(step + frame, fine_ramp.size() - 1)];
  }
  if (y < 144) return purple;
  if (y < 168) return frame == 0 ? light_blue : purple;
  return frame == 0 ? cyan : light_blue;
}

uint8_t scene_colour(const scene_style& style, int x, int y, int frame) {
  if (y >= subtitle_top || (y >= title_top && y < title_bottom)) return black;
  if (y >= horizon) return floor_colour(style, x, y, frame);
  if (auto sun = sun_colour(style, x, y, frame)) return *sun;
  if (auto star = star_colour(style, x, y)) return *star;
  return sky_colour(style, x, y, frame);
}

// The grey that stands for colour in a frame; the two frames round differently, so the eye
// sees levels between the four greys.
uint8_t grey_for(uint8_t colour, int frame) {
  static constexpr std::array<uint8_t, 4> greys = {black, dark_grey, grey, light_grey};
  const uint32_t look = c64_looks[colour];
  const int luma = static_cast<int>(
      ((look >> 16) * 299 + (look >> 8 & 0xFF) * 587 + (look & 0xFF) * 114) / 1000);
  const int level = (luma * 3 + (frame == 0 ? 64 : 192)) / 255;
  return greys[std::min(level, 3)];
}

void draw_text(std::array<uint8_t, picture_width * picture_height>& pixels, std::string_view text,
               int top, int scale_x, int scale_y, auto colour_of_line) {
  const int left = (picture_width - text_width(text) * scale_x) / 2;
  for (int y = 0; y < glyph_height * scale_y; ++y) {
    for (int x = 0; x < text_width(text) * scale_x; ++x) {
      const int column = x / scale_x;
      const char ch = text[column / glyph_advance];
      const int px = left + x;
      if (px >= 0 && px < picture_width && glyph_pixel(ch, column % glyph_advance, y / scale_y)) {
        pixels[(top + y) * picture_width + px] = colour_of_line(y);
      }
    }
  }
}

}  // namespace

void paint_scene(const scene_style& style, target_picture& picture) {
  for (int frame = 0; frame < 2; ++frame) {
    auto& pixels = picture.frames[frame];
    const int scene_frame = style.two_frames ? frame : 0;
    for (int y = 0; y < picture_height; ++y) {
      for (int x = 0; x < picture_width; ++x) {
        pixels[y * picture_width + x] = scene_colour(style, x, y, scene_frame);
      }
    }
    draw_text(pixels, style.title, title_top + 5, 2, 2,
              [&](int line) { return style.fine_colour ? title_ramp[line / 2] : white; });
    const int subtitle_scale = style.hires || style.two_frames ? 1 : 2;
    draw_text(pixels, style.subtitle, subtitle_top + 5, subtitle_scale, 1,
              [&](int line) { return style.fine_colour && line % 2 ? light_blue : light_grey; });
  }
  if (style.greys) {
    for (int frame = 0; frame < 2; ++frame) {
      for (uint8_t& colour : picture.frames[frame]) colour = grey_for(colour, frame);
    }
  }
  if (style.black_and_white) {
    for (auto& pixels : picture.frames) {
      for (uint8_t& colour : pixels) colour = colour == black ? black : style.ink;
    }
  }
  for (int y = 0; y < picture_height; ++y) {
    uint8_t background = black;
    if (style.line_backgrounds && y < horizon && (y < title_top || y >= title_bottom)) {
      background = sky_ramp[y / band_lines + (sky_position(y) > 0.5 ? 1 : 0)];
    }
    picture.line_background[y] = background;
  }
}
