#include <algorithm>
#include <array>

#include "formats/arrangement_families.h"
#include "formats/packed_streams.h"
#include "formats/packing.h"
#include "formats/raster_drawing.h"
#include "formats/ufli_sprites.h"

namespace {

constexpr size_t fpr_size = 18370;

// FLI-Profi's parts, at their offsets in the file.
constexpr size_t fpr_sprites = 2;           // ten blocks of the sprite under the FLI bug
constexpr size_t fpr_line_colours = 642;    // the sprite's multicolour 1, one a raster line
constexpr size_t fpr_bug_colours = 898;     // the FLI bug's colour under 11, high nibble
constexpr size_t fpr_sprite_colour = 1098;  // then its multicolour 2
constexpr size_t fpr_color_ram = 1154;
constexpr size_t fpr_screens = 2178;  // eight screen RAMs, one for each line of a cell
constexpr size_t fpr_bitmap = 10370;

// The first three columns show the FLI bug: screen byte 0xFF and a colour of the line's own.
// A Y-expanded multicolour sprite covers them; two sets of five blocks take turns every two
// lines, each set moving down a block every 42 lines, so each line has a sprite row of its own.
void draw_fpr_line(std::span<const uint8_t> file, int y, raster_frame& frame) {
  for (int column = 0; column < 40; ++column) {
    const int cell = y / 8 * 40 + column;
    const uint8_t bits = file[fpr_bitmap + cell * 8 + y % 8];
    frame.cell(y, column) =
        column < 3 ? multicolor_cell(bits, 0, 0xF, 0xF, file[fpr_bug_colours + y] >> 4)
                   : bitmap_multicolor_cell(bits, 0, file[fpr_screens + (y % 8) * 1024 + cell],
                                            file[fpr_color_ram + cell]);
  }
  const int block = ((y + 1) & 2 ? 5 : 0) + y / 42;
  const size_t row = fpr_sprites + block * 64 + (y / 2 % 21) * 3;
  sprite_line& line = frame.sprites[y];
  line.multicolor_1 = file[fpr_line_colours + y] & 15;
  line.multicolor_2 = file[fpr_sprite_colour + 1] & 15;
  line.sprites[0] = {.data = {file[row], file[row + 1], file[row + 2]},
                     .colour = static_cast<uint8_t>(file[fpr_sprite_colour] & 15),
                     .shown = true,
                     .multicolor = true};
}

}  // namespace

result<> arrange_fpr(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != fpr_size) return failure{"no FLI-Profi picture"};
  begin_raster(model, {});
  for (int y = 0; y < 200; ++y) draw_fpr_line(file, y, model.raster[0]);
  return {};
}

namespace {

constexpr size_t muf_size = 21826, mui_size = 44034;
// What a Mufflon picture reads of its file ends here; a packed one unpacks to this size.
constexpr uint32_t muf_used = 21762;

// A Mufflon frame's bytes at the offsets of a .muf file. The interlaced .mui keeps frame B's in
// two parts: offsets below mui_split at mui_low, the rest at mui_high.
constexpr size_t mui_split = 11266, mui_low = 32770, mui_high = 22018;

struct muf_frame {
  std::span<const uint8_t> file;
  bool second = false;

  uint8_t operator[](int offset) const {
    const auto at = static_cast<size_t>(offset);
    if (!second) return file[at];
    return file[at < mui_split ? mui_low + at - 2 : mui_high + at - mui_split];
  }
};

// Hires FLI with a screen RAM per two lines; the video bank changes at line 128, taking other
// screens, another bitmap and other sprite blocks. Six X- and Y-expanded sprites lie under the
// bitmap from x 24, each of its own colour on every second line and multicolour where that
// line's mode byte says so.
constexpr int muf_columns = 37;  // from column 3, past the FLI bug
constexpr int muf_sprite_blocks = 340;
constexpr int muf_sprite_colours = 770, muf_sprite_modes = 4610, muf_multicolor_2 = 7922,
              muf_multicolor_1 = 7923, muf_bitmap = 16130;

int muf_screen(int y) {
  const int screen =
      y < 128 ? 8194 + ((~y >> 1 & 7) << 10) : 2 + ((((y >> 1) + (y >= 168 ? 1 : 0)) & 3) << 10);
  return screen - 256;
}

// The sprite's colours lie in tables of 101 bytes, one for every two lines.
int muf_colour_table(int sprite) {
  return ((sprite & 6) << 9) + ((sprite & 1) << 7);
}

result<> draw_muf_line(const muf_frame& image, int y, raster_frame& frame) {
  const int screen = muf_screen(y);
  const int bank = y & 128;
  for (int column = 0; column < muf_columns; ++column) {
    const int cell = (y & ~7) * 5 + 3 + column;
    frame.cell(y, column) = bitmap_hires_cell(image[muf_bitmap - (bank << 7) + cell * 8 + (y & 7)],
                                              image[screen + cell]);
  }
  // The sprites' rows run on past their blocks' ends as the display program stretches them.
  const int row = ((y + 47) >> 1) * 3 + (y < 123 ? 0 : y < 165 ? 1 : 2);
  const int pair = (y + 1) >> 1;
  sprite_line& line = frame.sprites[y];
  line.multicolor_1 = image[muf_multicolor_1] & 15;
  line.multicolor_2 = image[muf_multicolor_2] & 15;
  for (int sprite = 0; sprite < 6; ++sprite) {
    const int block = 124 - (bank << 1) + image[screen + 1017 + sprite];
    if (block < 0 || block >= muf_sprite_blocks) return failure{"a sprite lies outside the file"};
    const int data = 2 + block * 64;
    line.sprites[sprite] = {
        .x = static_cast<int16_t>(sprite * 48),
        .data = {image[data + (row & 63)], image[data + ((row + 1) & 63)],
                 image[data + ((row + 2) & 63)]},
        .colour =
            static_cast<uint8_t>(image[muf_sprite_colours + muf_colour_table(sprite) + pair] & 15),
        .shown = true,
        .multicolor = ((image[muf_sprite_modes + pair] >> (sprite + 1)) & 1) != 0,
        .x_expanded = true,
        .behind = true};
  }
  return {};
}

result<> draw_muf_frame(const muf_frame& image, raster_frame& frame) {
  for (int y = 0; y < 200; ++y)
    if (result<> drawn = draw_muf_line(image, y, frame); !drawn) return drawn;
  return {};
}

result<> draw_muf(const muf_frame& a, const muf_frame* b, picture_model& model) {
  begin_raster(model, {muf_columns * 8, 200});
  if (result<> drawn = draw_muf_frame(a, model.raster[0]); !drawn) return drawn;
  if (b != nullptr) return draw_muf_frame(*b, model.raster[1]);
  return {};
}

}  // namespace

result<> arrange_muf(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != muf_size) return failure{"no Mufflon picture"};
  return draw_muf({file}, nullptr, model);
}

result<> arrange_mui(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != mui_size) return failure{"no interlaced Mufflon picture"};
  const muf_frame second{file, true};
  return draw_muf({file}, &second, model);
}

result<> arrange_mup(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model) {
  if (file.size() < 6) return failure{"no packed Mufflon picture"};
  if (result<> unpacked = unpack(packing::backward_runs_escape_at_2, file, {muf_used}, scratch);
      !unpacked)
    return unpacked;
  return draw_muf({std::span<const uint8_t>(scratch.bytes).first(muf_used)}, nullptr, model);
}

namespace {

constexpr size_t nuf_size = 23042;
constexpr int nuf_sprite_blocks = 360;
constexpr uint8_t nup_mark = 0xFD;

// NUFLI: hires FLI with a screen RAM per two lines, banks switched at line 128 as Mufflon's,
// over seven hires sprites: one under the FLI bug's three columns, six X-expanded from x 24,
// and a multicolour one more under the first. Their display program rewrites sprite registers
// on the way down; the tables of what it writes hold the sprites' colours.
constexpr int nuf_colour_tables = 1026, nuf_multicolor_2 = 8178, nuf_multicolor_1 = 8179,
              nuf_under_colour = 8184, nuf_bug_colour = 8185;

int nuf_screen(int y) {
  return y < 128 ? 8194 + ((~y >> 1 & 7) << 10) : 2 + ((((y >> 1) + (y >= 168 ? 1 : 0)) & 3) << 10);
}

// The sprite colours as the display program has set them on a line: the first sprite's, the
// six sprites', then multicolour 1, the multicolour sprite's and multicolour 2.
struct nuf_colours {
  std::array<uint8_t, 10> of{};
};

// A table byte's high nibble tells which register its low one goes to: 0 the sprite's own colour
// (on odd lines), 5, 6, 7 and 14 the shared ones (on the lines the first table's turn falls on).
void set_nuf_colours(std::span<const uint8_t> file, int y, nuf_colours& colours) {
  for (int sprite = 0; sprite < 6; ++sprite) {
    const uint8_t b = file[nuf_colour_tables + muf_colour_table(sprite) + ((y + 1) >> 1)];
    const bool shared_turn = (y & 1) == (sprite == 0 ? 1 : 0);
    switch (b >> 4) {
      case 0:
        if ((y & 1) != 0) colours.of[1 + sprite] = b;
        break;
      case 5:
        if (shared_turn) colours.of[7] = b;
        break;
      case 6:
        if (shared_turn) colours.of[9] = b;
        break;
      case 7:
        if (shared_turn) colours.of[0] = b;
        break;
      case 14:
        if (shared_turn) colours.of[8] = b;
        break;
      default:
        break;
    }
  }
}

result<> draw_nuf_line(std::span<const uint8_t> file, int y, const nuf_colours& colours,
                       raster_frame& frame) {
  const int screen = nuf_screen(y);
  for (int column = 0; column < 40; ++column) {
    const int cell = (y & ~7) * 5 + column;
    // The FLI bug's columns show 0xFF but on the two lines a screen begins with.
    const uint8_t colour = column >= 3 || (y & 6) == 0 ? file[screen + cell] : 0xFF;
    frame.cell(y, column) =
        bitmap_hires_cell(file[(y < 128 ? 16386 : 2) + cell * 8 + (y & 7)], colour);
  }
  const int row = ((y + 47) >> 1) * 3 + (y < 123 ? 0 : y < 165 ? 1 : 2);
  sprite_line& line = frame.sprites[y];
  line.multicolor_1 = colours.of[7] & 15;
  line.multicolor_2 = colours.of[9] & 15;
  // Sprite pointers 0..6, then 7 for the multicolour one.
  for (int sprite = 0; sprite < 8; ++sprite) {
    const int block = 128 - ((y & 128) << 1) + file[screen + 1016 + sprite];
    if (block < 0 || block >= nuf_sprite_blocks) return failure{"a sprite lies outside the file"};
    const int data = 2 + block * 64;
    const bool wide = sprite >= 1 && sprite <= 6;
    line.sprites[sprite] = {
        .x = static_cast<int16_t>(wide ? 24 + (sprite - 1) * 48 : 0),
        .data = {file[data + (row & 63)], file[data + ((row + 1) & 63)],
                 file[data + ((row + 2) & 63)]},
        .colour = static_cast<uint8_t>(colours.of[sprite == 7 ? 8 : sprite] & 15),
        .shown = true,
        .multicolor = sprite == 7,
        .x_expanded = wide,
        .behind = true};
  }
  return {};
}

result<> draw_nuf(std::span<const uint8_t> file, picture_model& model) {
  begin_raster(model, {});
  nuf_colours colours;
  colours.of[0] = file[nuf_bug_colour];
  for (int sprite = 0; sprite < 6; ++sprite)
    colours.of[1 + sprite] = file[nuf_colour_tables + muf_colour_table(sprite)];
  colours.of[7] = file[nuf_multicolor_1];
  colours.of[8] = file[nuf_under_colour];
  colours.of[9] = file[nuf_multicolor_2];
  for (int y = 0; y < 200; ++y) {
    if (y > 0) set_nuf_colours(file, y, colours);
    if (result<> drawn = draw_nuf_line(file, y, colours, model.raster[0]); !drawn) return drawn;
  }
  return {};
}

}  // namespace

result<> arrange_nuf(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() != nuf_size) return failure{"no NUFLI picture"};
  return draw_nuf(file, model);
}

// The mark 0xFD at 2, the escape byte at 3, then runs read from the file's end down.
result<> arrange_nup(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model) {
  if (file.size() < 7 || file[2] != nup_mark) return failure{"no packed NUFLI picture"};
  if (unpack_backward_escape_runs(file, file[3], 4, nuf_size, stream_end::may_trail, scratch) !=
      nuf_size)
    return failure{"the packed data does not unpack to the picture's size"};
  scratch[0] = file[0];
  scratch[1] = file[1];
  return draw_nuf(std::span<const uint8_t>(scratch.bytes).first(nuf_size), model);
}

namespace {

// UIFLI: two frames of UFLI, hires with a screen RAM per two lines over the UFLI sprites in one
// colour, packed as one stream read from the file's end down to offset 3, without a load
// address. The unpacked bytes land two on in scratch, behind where a load address would be.
constexpr uint32_t uif_size = 32576;
constexpr int uif_columns = 36;  // from column 3, past the FLI bug
constexpr int uif_sprite_colour = 4080;

struct uif_frame {
  int screens, sprites, bitmap;
};
constexpr std::array<uif_frame, 2> uif_frames = {{{0, 4096, 8192}, {16384, 20480, 24576}}};

void draw_uif_frame(std::span<const uint8_t> image, const uif_frame& part, raster_frame& frame) {
  const auto colour = static_cast<uint8_t>(image[uif_sprite_colour] & 15);
  for (int y = 0; y < 200; ++y) {
    for (int column = 0; column < uif_columns; ++column) {
      const int cell = (y & ~7) * 5 + 3 + column;
      frame.cell(y, column) = bitmap_hires_cell(image[part.bitmap + cell * 8 + (y & 7)],
                                                image[part.screens + ((y & 6) << 9) + cell]);
    }
    for (int sprite = 0; sprite < ufli_sprites::columns; ++sprite) {
      const int x = sprite * ufli_sprites::sprite_width;
      const int row = part.sprites + ufli_sprites::bit_under(ufli_sprites::first_x + x, y).offset;
      frame.sprites[y].sprites[sprite] = {.x = static_cast<int16_t>(x),
                                          .data = {image[row], image[row + 1], image[row + 2]},
                                          .colour = colour,
                                          .shown = true,
                                          .x_expanded = true,
                                          .behind = true};
    }
  }
}

}  // namespace

result<> arrange_uif(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model) {
  if (file.size() < 6) return failure{"no UIFLI picture"};
  if (unpack_backward_escape_runs(file, file[2], 3, uif_size + 2, stream_end::may_trail, scratch) !=
      uif_size + 2)
    return failure{"the packed data does not unpack to the picture's size"};
  const std::span<const uint8_t> image =
      std::span<const uint8_t>(scratch.bytes).subspan(2, uif_size);
  begin_raster(model, {uif_columns * 8, 200});
  for (size_t frame = 0; frame < uif_frames.size(); ++frame)
    draw_uif_frame(image, uif_frames[frame], model.raster[frame]);
  return {};
}

namespace {

// XFL: 192 x 167 pixels of a hires FLI bitmap's right 24 columns over eight multicolour sprites
// side by side, Y-expanded. Each line of a character row takes its sprites from blocks of its
// own, kept in what the bitmap and screens leave unused; a table of colour writes changes one
// sprite colour every two lines. Packed as UIFLI's, without a load address.
constexpr uint32_t xfl_size = 16192;
constexpr canvas_size xfl_canvas{192, 167};
constexpr int xfl_first_column = 16;
constexpr int xfl_bitmap = 8192, xfl_colours = 8174, xfl_colour_values = 960,
              xfl_colour_registers = 988;

// The sprite blocks of each line of a character row, eight a line.
constexpr std::array<uint8_t, 64> xfl_blocks = {
    228, 229, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 246, 247, 248,
    14,  30,  46,  62,  78,  94,  110, 126, 128, 129, 133, 134, 138, 139, 143, 144,
    148, 149, 153, 154, 158, 159, 163, 164, 168, 169, 173, 174, 178, 179, 183, 184,
    188, 189, 193, 194, 198, 199, 203, 204, 208, 209, 213, 214, 218, 219, 223, 224};

// Colour 1 and 2 are the shared multicolours, 3..10 the sprites' own; the writes' register
// numbers pick among 16, of which the others show nothing.
void draw_xfl(std::span<const uint8_t> image, raster_frame& frame) {
  std::array<uint8_t, 16> colours{};
  std::copy_n(image.begin() + xfl_colours, 10, colours.begin() + 1);
  for (int y = 0; y < xfl_canvas.height; ++y) {
    if (y >= 3 && (y & 1) != 0) {
      const int write = (y - 3) >> 1;
      const int at = (write / 28 << 10) + write % 28;
      colours[image[xfl_colour_registers + at] & 15] = image[xfl_colour_values + at];
    }
    // The bitmap's row runs one line ahead of the canvas, its screens two lines behind that.
    const int row = 1 + y;
    for (int column = 0; column < xfl_canvas.columns(); ++column) {
      const int cell = (row & ~7) * 5 + xfl_first_column + column;
      frame.cell(y, column) = bitmap_hires_cell(image[xfl_bitmap + cell * 8 + (row & 7)],
                                                image[(((y - 1) & 7) << 10) + cell]);
    }
    sprite_line& line = frame.sprites[y];
    line.multicolor_1 = colours[1] & 15;
    line.multicolor_2 = colours[2] & 15;
    for (int sprite = 0; sprite < 8; ++sprite) {
      const int data = xfl_blocks[((y & 7) << 3) + sprite] * 64 + (y >> 1) % 21 * 3;
      line.sprites[sprite] = {.x = static_cast<int16_t>(sprite * 24),
                              .data = {image[data], image[data + 1], image[data + 2]},
                              .colour = static_cast<uint8_t>(colours[3 + sprite] & 15),
                              .shown = true,
                              .multicolor = true,
                              .behind = true};
    }
  }
}

}  // namespace

result<> arrange_xfl(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model) {
  if (file.size() < 4) return failure{"no XFL picture"};
  if (unpack_backward_escape_runs(file, file[2], 3, xfl_size + 2, stream_end::may_trail, scratch) !=
      xfl_size + 2)
    return failure{"the packed data does not unpack to the picture's size"};
  begin_raster(model, xfl_canvas);
  draw_xfl(std::span<const uint8_t>(scratch.bytes).subspan(2, xfl_size), model.raster[0]);
  return {};
}
