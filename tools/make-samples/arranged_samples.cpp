#include "arranged_samples.h"

#include <algorithm>
#include <array>

#include "c64_colours.h"
#include "character_samples.h"
#include "formats/ufli_sprites.h"
#include "packers.h"
#include "sample_writing.h"
#include "sprite_overlay_samples.h"

namespace {

scene_style plain_style(const sample_format& sample, std::string_view subtitle) {
  return {.title = sample.title, .subtitle = subtitle};
}

// Two scenes one under the other. The lower screen's video counter runs on from the upper's
// 1000, so its cell c takes the colour RAM byte the upper one's cell c - 24 has: the lower scene
// is fitted around those.
uint32_t bfli_sample(const sample_format& sample, sample_workspace& work) {
  begin_file(work.file, sample.load_address);
  put(work.file, 2, 'b');
  picture_constraints limits{.screen_per_line = true};
  for (const bool lower : {false, true}) {
    scene_style style = plain_style(sample, lower ? "THE LOWER HALF" : "THE UPPER HALF");
    style.fine_colour = true;
    paint_scene(style, work.picture);
    if (lower) {
      for (int cell = 0; cell < 1000; ++cell)
        work.model.color_ram[cell] = work.file[static_cast<uint16_t>(3 + (cell + 1000) % 1024)];
      limits.given_color_ram = true;
    }
    fit_picture(work.picture, limits, work.model);
    for (uint32_t cell = 0; cell < 1000; ++cell) {
      const uint32_t counter = lower ? (cell + 1000) % 1024 : cell;
      if (!lower || counter >= 1000) put(work.file, 3 + counter, work.model.color_ram[cell]);
      for (uint32_t line = 0; line < 8; ++line) {
        put(work.file, (lower ? 17411 : 1027) + line * 1024 + counter,
            work.model.screen_a[cell * 8 + line]);
        put(work.file, (lower ? 25603 : 9219) + counter * 8 + line,
            work.model.bitmap_a[cell * 8 + line]);
      }
    }
  }
  return 33795;
}

// A Pagefox clip of 80 x 50 cells: the scene in black and white, every pixel drawn 2 x 2, black
// ink where the scene is black.
uint32_t printfox_sample(const sample_format& sample, sample_workspace& work) {
  scene_style style = plain_style(sample, "A PAGE OF 640 X 400");
  style.hires = true;
  style.black_and_white = true;
  paint_scene(style, work.picture);
  constexpr int columns = 80, rows = 50;
  for (int cell = 0; cell < columns * rows; ++cell) {
    for (int line = 0; line < 8; ++line) {
      const int y = (cell / columns * 8 + line) / 2;
      uint8_t bits = 0;
      for (int p = 0; p < 8; ++p) {
        const int x = (cell % columns * 8 + p) / 2;
        if (work.picture.frames[0][y * picture_width + x] == c64::black) bits |= 0x80 >> p;
      }
      work.plain[static_cast<uint16_t>(cell * 8 + line)] = bits;
    }
  }
  work.file.bytes.fill(0);
  put(work.file, 0, 'P');
  put(work.file, 1, rows);
  put(work.file, 2, columns);
  put(work.file, 3, 0);  // the end of the clip's header
  return pack_escape_runs(std::span(work.plain.bytes).first(columns * rows * 8), 0x9B, work.file,
                          4);
}

// A Star Painter picture of 32 x 20 cells: the middle of the scene, black ink where it is black.
uint32_t star_painter_sample(const sample_format& sample, sample_workspace& work) {
  scene_style style = plain_style(sample, "32 X 20 CELLS");
  style.hires = true;
  style.black_and_white = true;
  paint_scene(style, work.picture);
  constexpr int columns = 32, rows = 20, left = 32, top = 20;
  work.file.bytes.fill(0);
  put(work.file, 0, columns);
  put(work.file, 1, rows);
  for (int cell = 0; cell < columns * rows; ++cell) {
    for (int line = 0; line < 8; ++line) {
      const int y = top + cell / columns * 8 + line;
      uint8_t bits = 0;
      for (int p = 0; p < 8; ++p) {
        const int x = left + cell % columns * 8 + p;
        if (work.picture.frames[0][y * picture_width + x] == c64::black) bits |= 0x80 >> p;
      }
      put(work.file, 2 + cell * 8 + line, bits);
    }
  }
  return 2 + columns * rows * 8;
}

// The scene fitted to a multicolour bitmap on black, cut at column 1 (in multicolour pixels) and
// line 3 to 156 x 192 pixels: its 40 x 25 cells, the first column and row cut into.
uint32_t mwi_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene(plain_style(sample, ""), work.picture);
  fit_picture(work.picture, {}, work.model);
  work.file.bytes.fill(0);
  put(work.file, 1, 1);
  put(work.file, 2, 3);
  put(work.file, 3, 156);
  put(work.file, 4, 192);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    put(work.file, 5 + cell * 10, work.model.screen_a[cell * 8]);
    put(work.file, 6 + cell * 10, work.model.color_ram[cell]);
    for (uint32_t line = 0; line < 8; ++line)
      put(work.file, 7 + cell * 10 + line, work.model.bitmap_a[cell * 8 + line]);
  }
  return 5 + 1000 * 10;
}

// A packed Koala picture (kind 0): the bitmap with the escape the data use least, the screen
// bytes with escape 0, the colour RAM with escape 255, on black.
uint32_t shp_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene(plain_style(sample, "PACKED IN THREE PARTS"), work.picture);
  fit_picture(work.picture, {}, work.model);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    for (uint32_t line = 0; line < 8; ++line)
      work.plain[static_cast<uint16_t>(cell * 8 + line)] = work.model.bitmap_a[cell * 8 + line];
    work.plain[static_cast<uint16_t>(8000 + cell)] = work.model.screen_a[cell * 8];
    work.plain[static_cast<uint16_t>(9000 + cell)] = work.model.color_ram[cell];
  }
  const std::span<const uint8_t> plain(work.plain.bytes.data(), 10000);
  const uint8_t escape = least_used(plain.first(8000));
  work.file.bytes.fill(0);
  put(work.file, 3, escape);
  put(work.file, 4, c64::black);
  uint32_t end = pack_escape_runs(plain.first(8000), escape, work.file, 5);
  end = pack_escape_runs(plain.subspan(8000, 1000), 0, work.file, end);
  return pack_escape_runs(plain.subspan(9000, 1000), 255, work.file, end);
}

// The colours of a sheet's sprites: the sheet's background, shared multicolours 1 and 2, and
// whether sprites of the last row are hires.
struct sheet_colours {
  uint8_t background = c64::black;
  uint8_t multicolor_1 = c64::white;
  uint8_t multicolor_2 = c64::light_grey;
  bool hires_last_row = false;
};

// The scene cut into count sprites of 64 bytes from offset at on, each sprite the part of the
// scene under its place in the sheet (sixteen a row, 26 x 23 pixels apart) and its colour byte
// the scene's commonest colour there that is none of the shared ones.
void put_sheet_sprites(const target_picture& picture, int count, const sheet_colours& shared,
                       file_buffer& file, uint32_t at) {
  const int rows = (count + 15) / 16;
  const int sheet_width = 16 * 26 - 2, sheet_height = rows * 23 - 2;
  const auto scene = [&](int k, int x, int y) {
    const int sx = (k % 16 * 26 + x) * picture_width / sheet_width;
    const int sy = (k / 16 * 23 + y) * picture_height / sheet_height;
    return picture.frames[0][sy * picture_width + sx];
  };
  for (int k = 0; k < count; ++k) {
    const bool hires = shared.hires_last_row && k / 16 == rows - 1;
    std::array<int, 16> counts{};
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 24; ++x) ++counts[scene(k, x, y)];
    for (const uint8_t common : {shared.background, shared.multicolor_1, shared.multicolor_2})
      if (!hires || common == shared.background) counts[common] = -1;
    const auto own =
        static_cast<uint8_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
    const std::array<uint8_t, 4> choices = {shared.background, shared.multicolor_1, own,
                                            shared.multicolor_2};
    const uint32_t sprite = at + static_cast<uint32_t>(k) * 64;
    for (int y = 0; y < 21; ++y)
      for (int byte = 0; byte < 3; ++byte) {
        uint8_t bits = 0;
        for (int p = 0; p < 8; p += hires ? 1 : 2) {
          const uint8_t colour = scene(k, byte * 8 + p, y);
          if (hires)
            bits |=
                (nearest_choice(colour, std::array<uint8_t, 2>{shared.background, own}) << (7 - p));
          else
            bits |= static_cast<uint8_t>(nearest_choice(colour, choices) << (6 - p));
        }
        put(file, sprite + y * 3 + byte, bits);
      }
    put(file, sprite + 63, static_cast<uint8_t>(own | (hires ? 0 : 0x80)));
  }
}

// 144 sprites in nine rows, the last row hires, and one animation of them all.
uint32_t spritepad_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene(plain_style(sample, "SIXTEEN SPRITES A ROW"), work.picture);
  constexpr int count = 144;
  const sheet_colours shared{.hires_last_row = true};
  work.file.bytes.fill(0);
  put_text(work.file, 0, "SPD");
  put(work.file, 3, 1);
  put(work.file, 4, count - 1);
  put(work.file, 5, 0);  // one animation
  put(work.file, 6, shared.background);
  put(work.file, 7, shared.multicolor_1);
  put(work.file, 8, shared.multicolor_2);
  put_sheet_sprites(work.picture, count, shared, work.file, 9);
  const uint32_t animation = 9 + count * 64;
  put(work.file, animation + 1, count - 1);  // from the first sprite to the last
  return animation + 4;
}

// 127 multicolour sprites over dark grey, black and white shared.
uint32_t seuck_sprites_sample(const sample_format& sample, sample_workspace& work) {
  paint_scene(plain_style(sample, "SHOOT EM UP SPRITES"), work.picture);
  begin_file(work.file, sample.load_address);
  put_sheet_sprites(
      work.picture, 127,
      {.background = c64::dark_grey, .multicolor_1 = c64::black, .multicolor_2 = c64::white},
      work.file, 2);
  return 8130;
}

// An FLI picture; the strip under the FLI bug is the sprite's, its pairs the nearest of black
// (the bitmap there is clear), the sprite's own two colours and the line's commonest other one.
uint32_t fpr_sample(const sample_format& sample, sample_workspace& work) {
  scene_style style = plain_style(sample, "A SPRITE OVER THE FLI BUG");
  style.fine_colour = true;
  paint_scene(style, work.picture);
  begin_file(work.file, sample.load_address);
  fit_picture(work.picture, {.screen_per_line = true}, work.model);
  for (uint32_t cell = 0; cell < 1000; ++cell) {
    const bool bug = cell % 40 < 3;
    put(work.file, 1154 + cell, work.model.color_ram[cell]);
    for (uint32_t line = 0; line < 8; ++line) {
      put(work.file, 2178 + line * 1024 + cell, work.model.screen_a[cell * 8 + line]);
      put(work.file, 10370 + cell * 8 + line, bug ? 0 : work.model.bitmap_a[cell * 8 + line]);
    }
  }
  constexpr uint8_t own = c64::white, multicolor_2 = c64::light_grey;
  put(work.file, 1098, own);
  put(work.file, 1099, multicolor_2);
  for (int y = 0; y < 200; ++y) {
    const uint8_t* scene = &work.picture.frames[0][y * picture_width];
    std::array<int, 16> counts{};
    for (int x = 0; x < 24; ++x) ++counts[scene[x]];
    for (const uint8_t taken : {c64::black, own, multicolor_2}) counts[taken] = -1;
    const auto line_colour =
        static_cast<uint8_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
    put(work.file, 642 + y, line_colour);
    const std::array<uint8_t, 4> choices = {c64::black, line_colour, own, multicolor_2};
    const uint32_t row = 2 + (((y + 1) & 2 ? 5 : 0) + y / 42) * 64 + y / 2 % 21 * 3;
    for (int byte = 0; byte < 3; ++byte) {
      uint8_t bits = 0;
      for (int p = 0; p < 8; p += 2)
        bits |= static_cast<uint8_t>(nearest_choice(scene[byte * 8 + p], choices) << (6 - p));
      put(work.file, row + byte, bits);
    }
  }
  return 18370;
}

// A Mufflon picture: the scene fitted as hires with a screen per two lines over one hires sprite
// colour a sprite column, as a UFLI picture is, then written into Mufflon's places. Each screen
// points its six sprites at blocks that nothing else uses: in the upper bank the five after its
// cells and one near the file's end, in the lower bank six under its unused cells.
constexpr uint32_t muf_used = 21762;

int muf_screen(int y) {
  const int screen =
      y < 128 ? 8194 + ((~y >> 1 & 7) << 10) : 2 + ((((y >> 1) + (y >= 168 ? 1 : 0)) & 3) << 10);
  return screen - 256;
}

int muf_block(int screen, int sprite, bool lower) {
  if (lower) return screen * 16 + sprite;
  return sprite < 5 ? 124 + screen * 16 + 10 + sprite : 332 + screen;
}

// Byte 0..2 of line y of X-expanded sprite column 0..5 from x 24, as the UFLI fitting set it.
uint8_t fitted_sprite_byte(const picture_model& model, int column, int byte, int y) {
  uint8_t bits = 0;
  for (int bit = 0; bit < 8; ++bit) {
    const int x = ufli_sprites::first_x + column * 48 + byte * 16 + bit * 2;
    const ufli_sprites::sprite_bit under = ufli_sprites::bit_under(x, y);
    if ((model.sprite_bank[under.offset] & under.mask) != 0) bits |= 0x80 >> bit;
  }
  return bits;
}

// The sprites' rows, stretched as Mufflon's and NUFLI's display programs do.
int stretched_row(int y) {
  return ((y + 47) >> 1) * 3 + (y < 123 ? 0 : y < 165 ? 1 : 2);
}

void put_colour_tables(const picture_model& model, uint32_t at, file_buffer& file) {
  for (int sprite = 0; sprite < 6; ++sprite) {
    const uint32_t table = at + ((sprite & 6) << 9) + ((sprite & 1) << 7);
    const uint8_t colour = ufli_sprites::colour_of_column(model.sprite_bank, sprite);
    for (uint32_t pair = 0; pair <= 100; ++pair) put(file, table + pair, colour);
  }
}

void put_muf(const picture_model& model, file_buffer& file) {
  for (int screen = 0; screen < 8; ++screen)
    for (int sprite = 0; sprite < 6; ++sprite) {
      put(file, 8194 - 256 + screen * 1024 + 1017 + sprite,
          static_cast<uint8_t>(muf_block(screen, sprite, false) - 124));
      if (screen < 4)
        put(file, 2 - 256 + screen * 1024 + 1017 + sprite,
            static_cast<uint8_t>(muf_block(screen, sprite, true) + 132));
    }
  put_colour_tables(model, 770, file);
  for (int y = 0; y < 200; ++y) {
    const int screen = muf_screen(y);
    const bool lower = y >= 128;
    for (int cell = y / 8 * 40 + 3; cell < y / 8 * 40 + 40; ++cell) {
      put(file, screen + cell, model.screen_a[cell * 8 + y % 8]);
      put(file, (lower ? -254 : 16130) + cell * 8 + y % 8, model.bitmap_a[cell * 8 + y % 8]);
    }
    const int row = stretched_row(y);
    const int screen_number = lower ? (screen + 254) / 1024 : (screen - 7938) / 1024;
    for (int sprite = 0; sprite < 6; ++sprite) {
      const int block = 2 + muf_block(screen_number, sprite, lower) * 64;
      for (int byte = 0; byte < 3; ++byte) {
        put(file, block + ((row + byte) & 63), fitted_sprite_byte(model, sprite, byte, y));
      }
    }
  }
}

void fit_muf(const sample_format& sample, std::string_view subtitle, sample_workspace& work,
             bool two_frames = false) {
  scene_style style = plain_style(sample, subtitle);
  style.hires = true;
  style.two_frames = two_frames;
  paint_scene(style, work.picture);
  fit_picture(work.picture, {.hires = true, .sprite_underlay = true}, work.model);
}

uint32_t muf_sample(const sample_format& sample, sample_workspace& work) {
  fit_muf(sample, "SIX SPRITES UNDER HIRES FLI", work);
  begin_file(work.file, sample.load_address);
  put_muf(work.model, work.file);
  return 21826;
}

// Frame B, fitted to the scene's second frame on its own, kept in the interlaced file's two
// parts.
uint32_t mui_sample(const sample_format& sample, sample_workspace& work) {
  fit_muf(sample, "TWO FRAMES OF MUFFLON", work, true);
  begin_file(work.file, sample.load_address);
  put_muf(work.model, work.file);
  work.picture.frames[0] = work.picture.frames[1];
  clear_picture_model(work.model);
  fit_picture(work.picture, {.hires = true, .sprite_underlay = true}, work.model);
  begin_file(work.plain, sample.load_address);
  put_muf(work.model, work.plain);
  for (uint32_t at = 2; at < muf_used; ++at)
    put(work.file, at < 11266 ? 32768 + at : 10752 + at, work.plain[static_cast<uint16_t>(at)]);
  return 44034;
}

uint32_t mup_sample(const sample_format& sample, sample_workspace& work) {
  fit_muf(sample, "PACKED MUFFLON", work);
  begin_file(work.plain, sample.load_address);
  put_muf(work.model, work.plain);
  work.file.bytes.fill(0);
  return pack(packing::backward_runs_escape_at_2, std::span(work.plain.bytes).first(muf_used),
              work.file);
}

// A NUFLI picture, fitted as Mufflon's. The first sprite covers the FLI bug's columns in black
// (a block of set bits); the multicolour one under it points at a block of clear bits. Each
// screen's six wide sprites take blocks nothing else uses: in the upper bank five after its
// cells and one after the bitmap, in the lower bank six under its unused cells.
constexpr uint32_t nuf_size = 23042;
constexpr int nuf_full_block[2] = {345, 7}, nuf_clear_block[2] = {344, 6};

int nuf_block(int screen, int sprite, bool lower) {
  if (sprite == 0) return nuf_full_block[lower ? 1 : 0];
  if (sprite == 7) return nuf_clear_block[lower ? 1 : 0];
  if (lower) return std::array{0, 20, 36, 52}[screen] + sprite - 1;
  return sprite < 6 ? 128 + screen * 16 + 10 + sprite - 1 : 336 + screen;
}

void put_nuf(const picture_model& model, file_buffer& file) {
  for (const int full : nuf_full_block)
    for (int k = 0; k < 64; ++k) put(file, 2 + full * 64 + k, 0xFF);
  for (int screen = 0; screen < 8; ++screen)
    for (int sprite = 0; sprite < 8; ++sprite) {
      put(file, 8194 + screen * 1024 + 1016 + sprite,
          static_cast<uint8_t>(nuf_block(screen, sprite, false) - 128));
      if (screen < 4)
        put(file, 2 + screen * 1024 + 1016 + sprite,
            static_cast<uint8_t>(nuf_block(screen, sprite, true) + 128));
    }
  put_colour_tables(model, 1026, file);
  for (int y = 0; y < 200; ++y) {
    const bool lower = y >= 128;
    const int screen =
        lower ? 2 + ((((y >> 1) + (y >= 168 ? 1 : 0)) & 3) << 10) : 8194 + ((~y >> 1 & 7) << 10);
    for (int cell = y / 8 * 40; cell < y / 8 * 40 + 40; ++cell) {
      const bool bug = cell % 40 < 3;
      put(file, screen + cell, model.screen_a[cell * 8 + y % 8]);
      put(file, (lower ? 2 : 16386) + cell * 8 + y % 8, bug ? 0 : model.bitmap_a[cell * 8 + y % 8]);
    }
    const int row = stretched_row(y);
    for (int sprite = 1; sprite <= 6; ++sprite) {
      const int block = 2 + nuf_block((screen - (lower ? 2 : 8194)) / 1024, sprite, lower) * 64;
      for (int byte = 0; byte < 3; ++byte)
        put(file, block + ((row + byte) & 63), fitted_sprite_byte(model, sprite - 1, byte, y));
    }
  }
}

uint32_t nuf_sample(const sample_format& sample, sample_workspace& work) {
  fit_muf(sample, "SEVEN SPRITES UNDER HIRES FLI", work);
  begin_file(work.file, sample.load_address);
  put_nuf(work.model, work.file);
  return nuf_size;
}

// Packed backwards as Mufflon's, the mark before the escape byte.
uint32_t nup_sample(const sample_format& sample, sample_workspace& work) {
  fit_muf(sample, "PACKED NUFLI", work);
  begin_file(work.plain, sample.load_address);
  put_nuf(work.model, work.plain);
  work.file.bytes.fill(0);
  const uint32_t size = pack(packing::backward_runs_escape_at_2,
                             std::span(work.plain.bytes).first(nuf_size), work.file);
  put(work.file, 3, work.file[2]);
  put(work.file, 2, 0xFD);
  return size;
}

// Two frames, each the scene's frame fitted as UFLI with one sprite colour; frame A's colour
// serves both. The unpacked frames have no load address: they lie two on in the plain file.
uint32_t uif_sample(const sample_format& sample, sample_workspace& work) {
  scene_style style = plain_style(sample, "TWO FRAMES OF UFLI");
  style.hires = true;
  style.two_frames = true;
  paint_scene(style, work.picture);
  begin_file(work.plain, sample.load_address);
  constexpr std::array<std::array<uint32_t, 3>, 2> parts = {
      {{0, 4096, 8192}, {16384, 20480, 24576}}};
  for (int frame = 0; frame < 2; ++frame) {
    if (frame == 1) work.picture.frames[0] = work.picture.frames[1];
    clear_picture_model(work.model);
    fit_picture(work.picture,
                {.hires = true, .sprite_underlay = true, .single_sprite_colour = true}, work.model);
    const auto [screens, sprites, bitmap] = parts[frame];
    for (uint32_t cell = 0; cell < 1000; ++cell)
      for (uint32_t line = 0; line < 8; ++line) {
        put(work.plain, 2 + screens + (line & 6) * 512 + cell,
            work.model.screen_a[cell * 8 + line]);
        put(work.plain, 2 + bitmap + cell * 8 + line, work.model.bitmap_a[cell * 8 + line]);
      }
    for (uint32_t k = 0; k < ufli_sprites::mode_flag; ++k)
      put(work.plain, 2 + sprites + k, work.model.sprite_bank[k]);
    if (frame == 0) put(work.plain, 2 + 4080, work.model.sprite_bank[ufli_sprites::single_colour]);
  }
  work.file.bytes.fill(0);
  return pack(packing::backward_runs_escape_at_2, std::span(work.plain.bytes).first(2 + 32576),
              work.file);
}

// The right 24 columns of the scene as hires FLI, one line down; the sprites' blocks and the
// colour writes lie in what the picture leaves unused, all clear.
uint32_t xfl_sample(const sample_format& sample, sample_workspace& work) {
  scene_style style = plain_style(sample, "EIGHT SPRITES UNDER FLI");
  style.hires = true;
  paint_scene(style, work.picture);
  fit_picture(work.picture, {.hires = true, .screen_per_line = true}, work.model);
  begin_file(work.plain, sample.load_address);
  for (int y = 0; y < 167; ++y) {
    const int row = y + 1;
    for (int column = 16; column < 40; ++column) {
      const int cell = row / 8 * 40 + column;
      put(work.plain, 2 + (((y - 1) & 7) << 10) + cell, work.model.screen_a[cell * 8 + row % 8]);
      put(work.plain, 2 + 8192 + cell * 8 + row % 8, work.model.bitmap_a[cell * 8 + row % 8]);
    }
  }
  work.file.bytes.fill(0);
  return pack(packing::backward_runs_escape_at_2, std::span(work.plain.bytes).first(2 + 16192),
              work.file);
}

}  // namespace

uint32_t make_arranged_sample(const sample_format& sample, sample_workspace& work) {
  clear_picture_model(work.model);
  switch (format_by_id(sample.format_id)->arrange) {
    case arrangement::bfli:
      return bfli_sample(sample, work);
    case arrangement::printfox:
      return printfox_sample(sample, work);
    case arrangement::star_painter:
      return star_painter_sample(sample, work);
    case arrangement::mwi:
      return mwi_sample(sample, work);
    case arrangement::shp:
      return shp_sample(sample, work);
    case arrangement::pet:
      return petscii_sample(sample, work);
    case arrangement::pdr:
      return petdraw_sample(sample, work);
    case arrangement::fluff:
      return fluff_sample(sample, work);
    case arrangement::font_64c:
    case arrangement::seuck_font:
    case arrangement::zs_font:
      return font_sample(sample, work);
    case arrangement::logo_painter:
      return logo_painter_sample(sample, work);
    case arrangement::interlace_logo:
      return interlace_logo_sample(sample, work);
    case arrangement::multi_lace:
      return multi_lace_sample(sample, work);
    case arrangement::charpad:
      return charpad_sample(sample, work);
    case arrangement::spritepad:
      return spritepad_sample(sample, work);
    case arrangement::seuck_sprites:
      return seuck_sprites_sample(sample, work);
    case arrangement::esh:
      return esh_sample(sample, work);
    case arrangement::ish:
      return ish_sample(sample, work);
    case arrangement::sh1:
      return sh1_sample(sample, work);
    case arrangement::sh2:
      return sh2_sample(sample, work);
    case arrangement::she:
      return she_sample(sample, work);
    case arrangement::shs:
      return shs_sample(sample, work);
    case arrangement::shi:
      return shi_sample(sample, work);
    case arrangement::shf:
      return shf_sample(sample, work);
    case arrangement::sif:
      return sif_sample(sample, work);
    case arrangement::shx:
      return shx_sample(sample, work);
    case arrangement::fpr:
      return fpr_sample(sample, work);
    case arrangement::muf:
      return muf_sample(sample, work);
    case arrangement::mui:
      return mui_sample(sample, work);
    case arrangement::mup:
      return mup_sample(sample, work);
    case arrangement::nuf:
      return nuf_sample(sample, work);
    case arrangement::nup:
      return nup_sample(sample, work);
    case arrangement::uif:
      return uif_sample(sample, work);
    case arrangement::xfl:
      return xfl_sample(sample, work);
    case arrangement::none:
      break;
  }
  return 0;
}
