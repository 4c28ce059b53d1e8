#include "sprite_overlay_samples.h"

#include <algorithm>
#include <array>
#include <functional>

#include "packers.h"
#include "sample_writing.h"

namespace {

// Where a format keeps one frame: offsets of the bitmap and screen bytes of a line's column,
// of a sprite's byte (0..2) on a line, and how a sprite's colour is stored.
struct overlay_places {
  canvas_size canvas;
  int layers = 1;   // the first over the second
  int sprites = 8;  // a layer, 24 pixels apart from sprite_left
  int sprite_left = 0;
  int sprite_top = 0;
  int sprite_end = 200;  // the line after the sprites' last
  std::function<uint32_t(int y, int column)> bitmap;
  std::function<uint32_t(int y, int column)> screen;
  std::function<uint32_t(int layer, int y, int k, int byte)> sprite;
  std::function<void(int layer, int k, uint8_t colour)> colour;
  bool colours_by_column = false;      // one screen byte a column for the whole height
  bool colours_of_last_frame = false;  // the screen and sprite colours are the frame before's
  bool one_colour_a_layer = false;
};

// The cell of line y's column, stride cells a row.
uint32_t cell_of(int y, int column, int stride) {
  return static_cast<uint32_t>(y / 8 * stride + column);
}

// The byte of a sprite block's row for line y.
uint32_t sprite_place(int block, int y, int byte) {
  return static_cast<uint32_t>(block * 64 + y % 21 * 3 + byte);
}

// The scene's frame squeezed into the canvas.
uint8_t scene_at(const target_picture& picture, int frame, canvas_size canvas, int x, int y) {
  const int sx = x * picture_width / canvas.width, sy = y * picture_height / canvas.height;
  return picture.frames[frame][sy * picture_width + sx];
}

using cell_pairs = std::array<std::array<uint8_t, 2>, raster_columns * max_canvas_height / 8>;

// The colours each pixel shows so far, the canvas's width a line.
using shown_pixels = std::array<uint8_t, max_canvas_width * max_canvas_height>;

// Each colour group's (a cell's, or a column's) two commonest colours in the scene.
void choose_cell_colours(const overlay_places& at, const auto& scene, const auto& group,
                         cell_pairs& colours) {
  static std::array<std::array<int, 16>, raster_columns * max_canvas_height / 8> counts;
  counts.fill({});
  for (int y = 0; y < at.canvas.height; ++y)
    for (int x = 0; x < at.canvas.width; ++x) ++counts[group(y, x / 8)][scene(x, y)];
  for (size_t g = 0; g < counts.size(); ++g) {
    std::array<int, 16>& count = counts[g];
    const auto first = std::max_element(count.begin(), count.end()) - count.begin();
    count[first] = -1;
    const auto second = std::max_element(count.begin(), count.end()) - count.begin();
    colours[g] = {static_cast<uint8_t>(first), static_cast<uint8_t>(second)};
  }
}

// Each sprite of each layer in its colour, set where the scene shows that colour and the
// pixel does not yet.
void put_sprites(const overlay_places& at, const auto& scene, bool choose_colours,
                 shown_pixels& shown, file_buffer& file) {
  static std::array<std::array<uint8_t, 8>, 2> sprite_colours;
  const int width = at.canvas.width;
  for (int layer = 0; layer < at.layers; ++layer)
    for (int k = 0; k < at.sprites; ++k) {
      const int left = at.sprite_left + k * 24;
      if (choose_colours && (k == 0 || !at.one_colour_a_layer)) {
        std::array<int, 16> missed{};
        const int end = at.one_colour_a_layer ? at.sprite_left + at.sprites * 24 : left + 24;
        for (int y = at.sprite_top; y < at.sprite_end; ++y)
          for (int x = left; x < end; ++x)
            if (shown[y * width + x] != scene(x, y)) ++missed[scene(x, y)];
        sprite_colours[layer][k] =
            static_cast<uint8_t>(std::max_element(missed.begin(), missed.end()) - missed.begin());
      } else if (choose_colours) {
        sprite_colours[layer][k] = sprite_colours[layer][0];
      }
      const uint8_t colour = sprite_colours[layer][k];
      at.colour(layer, k, colour);
      for (int y = at.sprite_top; y < at.sprite_end; ++y)
        for (int byte = 0; byte < 3; ++byte) {
          uint8_t bits = 0;
          for (int p = 0; p < 8; ++p) {
            const int x = left + byte * 8 + p;
            if (shown[y * width + x] == scene(x, y) || scene(x, y) != colour) continue;
            bits |= static_cast<uint8_t>(0x80 >> p);
            shown[y * width + x] = colour;
          }
          put(file, at.sprite(layer, y, k, byte), bits);
        }
    }
}

// The frame's bitmap in each cell's (or column's) two commonest colours, then the sprites in
// the colours their columns of the scene miss most.
void put_overlay_frame(const target_picture& picture, int frame, const overlay_places& at,
                       file_buffer& file) {
  const canvas_size canvas = at.canvas;
  static shown_pixels shown;
  static cell_pairs cell_colours;
  const auto scene = [&](int x, int y) { return scene_at(picture, frame, canvas, x, y); };
  const auto group = [&](int y, int column) {
    return at.colours_by_column ? column : y / 8 * canvas.columns() + column;
  };
  if (!at.colours_of_last_frame) choose_cell_colours(at, scene, group, cell_colours);
  for (int y = 0; y < canvas.height; ++y)
    for (int column = 0; column < canvas.columns(); ++column) {
      const std::array<uint8_t, 2>& colours = cell_colours[group(y, column)];
      uint8_t bits = 0;
      for (int p = 0; p < 8; ++p) {
        const int x = column * 8 + p;
        const int set = nearest_choice(scene(x, y), colours);
        bits |= static_cast<uint8_t>(set << (7 - p));
        shown[y * canvas.width + x] = colours[set];
      }
      put(file, at.bitmap(y, column), bits);
      put(file, at.screen(y, column), static_cast<uint8_t>(colours[1] << 4 | colours[0]));
    }
  put_sprites(at, scene, !at.colours_of_last_frame, shown, file);
}

void paint_overlay_scene(const sample_format& sample, std::string_view subtitle, bool two_frames,
                         sample_workspace& work) {
  paint_scene({.title = sample.title,
               .subtitle = subtitle,
               .hires = true,
               .two_frames = two_frames,
               .fine_colour = true},
              work.picture);
}

}  // namespace

// Two 192 x 200 frames sharing the screen RAM and the sprites' colours, which frame A chooses.
uint32_t esh_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "SPRITES OVER HIRES", true, work);
  begin_file(work.file, sample.load_address);
  for (int frame = 0; frame < 2; ++frame) {
    const auto f = static_cast<uint32_t>(frame);
    const overlay_places at{
        .canvas = {192, 200},
        .bitmap = [f](int y,
                      int column) { return 3 + f * 4800 + (y / 8 * 24 + column) * 8 + y % 8; },
        .screen = [](int y, int column) { return 19843u + y / 8 * 24 + column; },
        .sprite =
            [f](int, int y, int k, int byte) {
              return 9603 + f * 5120 + (y / 21 * 8 + k) * 64 + y % 21 * 3 + byte;
            },
        .colour = [&work](int, int k, uint8_t colour) { put(work.file, 20443 + k, colour); },
        .colours_of_last_frame = frame == 1};
    put_overlay_frame(work.picture, frame, at, work.file);
  }
  return 20454;
}

// Two 320 x 200 frames, each with its own screen colours by column and two sprite layers over
// its left 96 pixels.
uint32_t ish_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "TWO SPRITE LAYERS", true, work);
  begin_file(work.file, sample.load_address);
  for (int frame = 0; frame < 2; ++frame) {
    const auto base = 2 + static_cast<uint32_t>(frame) * 15368;
    const overlay_places at{
        .canvas = {320, 200},
        .layers = 2,
        .sprites = 4,
        .bitmap = [base](int y, int column) { return base + (y / 8 * 40 + column) * 8 + y % 8; },
        .screen = [base](int, int column) { return base + 13312 + column; },
        .sprite =
            [base](int layer, int y, int k, int byte) {
              return base + (layer == 0 ? 10752 : 8192) + (k * 10 + y / 21) * 64 + y % 21 * 3 +
                     byte;
            },
        .colour =
            [&work, base](int layer, int k, uint8_t colour) {
              put(work.file, base + (layer == 0 ? 15364 : 15360) + k, colour);
            },
        .colours_by_column = true};
    put_overlay_frame(work.picture, frame, at, work.file);
  }
  return 30738;
}

// 96 x 168, two layers of four sprites, eight blocks down each column.
uint32_t sh1_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "TWO LAYERS", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {96, 168},
      .layers = 2,
      .sprites = 4,
      .sprite_end = 168,
      .bitmap = [](int y, int column) { return 6690u + cell_of(y, column, 40) * 8 + y % 8; },
      .screen = [](int y, int column) { return 448 + cell_of(y, column, 40); },
      .sprite =
          [](int layer, int y, int k, int byte) {
            return (layer == 0 ? 4530u : 2482u) + sprite_place(y / 21 * 4 + k, y, byte);
          },
      .colour = [&work](int layer, int k,
                        uint8_t colour) { put(work.file, (layer == 0 ? 430 : 426) + k, colour); }};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 14770;
}

// 192 x 168, one layer of eight sprites.
uint32_t sh2_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "ONE LAYER", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {192, 168},
      .sprite_end = 168,
      .bitmap = [](int y, int column) { return 6642u + cell_of(y, column, 40) * 8 + y % 8; },
      .screen = [](int y, int column) { return 442 + cell_of(y, column, 40); },
      .sprite = [](int, int y, int k,
                   int byte) { return 2482u + sprite_place(y / 21 * 8 + k, y, byte); },
      .colour = [&work](int, int k, uint8_t colour) { put(work.file, 426 + k, colour); }};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 14770;
}

// The longer kind: 192 x 168, one layer of eight sprites from the second line on.
uint32_t she_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "ONE LAYER", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {192, 168},
      .sprite_top = 1,
      .sprite_end = 168,
      .bitmap = [](int y, int column) { return 2u + cell_of(y, column, 24) * 8 + y % 8; },
      .screen = [](int y, int column) { return 8130 + cell_of(y, column, 24); },
      .sprite = [](int, int y, int k,
                   int byte) { return 4034u + sprite_place((y - 1) / 21 * 8 + k, y - 1, byte); },
      .colour = [&work](int, int k, uint8_t colour) { put(work.file, 8634 + k, colour); }};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 8642;
}

// 320 x 200 with two layers of four sprites over 96 x 168 pixels from (16, 17).
uint32_t shs_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "SPRITES IN THE MIDDLE", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {320, 200},
      .layers = 2,
      .sprites = 4,
      .sprite_left = 16,
      .sprite_top = 17,
      .sprite_end = 185,
      .bitmap = [](int y, int column) { return 2u + cell_of(y, column, 40) * 8 + y % 8; },
      .screen = [](int y, int column) { return 13314 + cell_of(y, column, 40); },
      .sprite =
          [](int layer, int y, int k, int byte) {
            return (layer == 0 ? 10242u : 8194u) +
                   sprite_place(k * 8 + (y - 17) / 21, y - 17, byte);
          },
      .colour = [&work](
                    int layer, int k,
                    uint8_t colour) { put(work.file, (layer == 0 ? 8006 : 8002) + k, colour); }};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 14338;
}

// Two 96 x 200 frames sharing their screen RAM and sprite colours, frame A's choice.
uint32_t shi_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "TWO FRAMES", true, work);
  begin_file(work.file, sample.load_address);
  for (int frame = 0; frame < 2; ++frame) {
    const auto f = static_cast<uint32_t>(frame);
    const overlay_places at{
        .canvas = {96, 200},
        .layers = 2,
        .sprites = 4,
        .bitmap = [f](int y,
                      int column) { return 3 + f * 2400 + cell_of(y, column, 12) * 8 + y % 8; },
        .screen = [](int y, int column) { return 15043 + cell_of(y, column, 12); },
        .sprite =
            [f](int layer, int y, int k, int byte) {
              return 4803 + f * 5120 + (layer == 0 ? 0u : 256u) +
                     sprite_place(y / 21 * 8 + k, y, byte);
            },
        .colour = [&work](
                      int layer, int k,
                      uint8_t colour) { put(work.file, (layer == 0 ? 15343 : 15347) + k, colour); },
        .colours_of_last_frame = frame == 1};
    put_overlay_frame(work.picture, frame, at, work.file);
  }
  return 15355;
}

// The sprites' blocks of a Super Hires FLI picture, by raster line % 8 and sprite, the upper
// layer's four first (the sample maker's own copy of the format's table).
constexpr std::array<uint8_t, 64> shf_blocks = {
    128, 132, 133, 137, 138, 142, 143, 147, 148, 152, 153, 157, 158, 162, 163, 167,
    168, 172, 173, 177, 178, 182, 183, 187, 188, 192, 193, 197, 198, 202, 203, 207,
    208, 212, 213, 217, 218, 222, 223, 227, 228, 232, 233, 234, 235, 236, 237, 238,
    239, 240, 241, 242, 243, 244, 245, 246, 247, 30,  46,  62,  78,  94,  110, 126};

// 208 x 167, an FLI bitmap one line down, one colour a sprite layer.
uint32_t shf_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "FLI UNDER SPRITES", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {208, 167},
      .layers = 2,
      .sprites = 4,
      .sprite_end = 167,
      .bitmap = [](int y,
                   int column) { return 8306u + cell_of(y + 1, column, 40) * 8 + (y + 1) % 8; },
      .screen = [](int y,
                   int column) { return 16u + (y + 1) % 8 * 1024 + cell_of(y + 1, column, 40); },
      .sprite =
          [](int layer, int y, int k, int byte) {
            return 2u + shf_blocks[y % 8 * 8 + layer * 4 + k] * 64u + y % 21 * 3 + byte;
          },
      .colour = [&work](int layer, int, uint8_t colour) { put(work.file, 1002 + layer, colour); },
      .one_colour_a_layer = true};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 15874;
}

// 144 x 168, an FLI bitmap under six sprites of one colour that take other blocks every line.
uint32_t shx_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "FLI UNDER SPRITES", false, work);
  begin_file(work.file, sample.load_address);
  const overlay_places at{
      .canvas = {144, 168},
      .sprites = 6,
      .sprite_end = 168,
      .bitmap = [](int y, int column) { return 8282u + cell_of(y, column, 40) * 8 + y % 8; },
      .screen = [](int y, int column) { return 13u + y % 8 * 1024 + cell_of(y, column, 40); },
      .sprite =
          [](int, int y, int k, int byte) {
            int block = ((y - 1) & 7) * 15 + k;
            if (block < 105) block += (k + 1) / 2 * 3;
            return 8194u + sprite_place(block, y, byte);
          },
      .colour = [&work](int, int, uint8_t colour) { put(work.file, 1003, colour); },
      .one_colour_a_layer = true};
  put_overlay_frame(work.picture, 0, at, work.file);
  return 15362;
}

// Two packed 96 x 167 frames, each a plain picture of lines packed from its end down, then the
// frames' layer colours.
uint32_t sif_sample(const sample_format& sample, sample_workspace& work) {
  paint_overlay_scene(sample, "TWO FRAMES", true, work);
  work.file.bytes.fill(0);
  uint32_t at = 0;
  std::array<uint8_t, 4> colours{};
  for (int frame = 0; frame < 2; ++frame) {
    work.plain.bytes.fill(0);
    const overlay_places places{
        .canvas = {96, 167},
        .layers = 2,
        .sprites = 4,
        .sprite_end = 167,
        .bitmap = [](int y, int column) { return 4096u + y * 12 + column; },
        .screen = [](int y, int column) { return 6144u + y * 12 + column; },
        .sprite = [](int layer, int y, int k,
                     int byte) { return (layer == 0 ? 0u : 2048u) + y * 12 + k * 3 + byte; },
        .colour = [&colours, frame](int layer, int,
                                    uint8_t colour) { colours[frame * 2 + layer] = colour; },
        .one_colour_a_layer = true};
    put_overlay_frame(work.picture, frame, places, work.plain);
    const std::span<const uint8_t> plain(work.plain.bytes.data(), 8176);
    const uint8_t escape = least_used(plain);
    const std::vector<uint8_t> commands = backward_commands(plain, escape);
    const auto length = static_cast<uint32_t>(commands.size() + 1 + 37890);
    put(work.file, at, static_cast<uint8_t>(length & 0xFF));
    put(work.file, at + 1, static_cast<uint8_t>(length >> 8));
    put(work.file, at + 2, escape);
    at = put_backward(commands, work.file, at + 3);
  }
  for (const uint8_t colour : colours) put(work.file, at++, colour);
  return at;
}
