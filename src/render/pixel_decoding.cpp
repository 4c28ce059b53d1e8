#include "render/pixel_decoding.h"

#include "formats/ufli_sprites.h"
#include "render/crt_renderer.h"
#include "render/raster_decoding.h"
#include "render/work_surfaces.h"

namespace {

using video_bank = std::array<uint8_t, 8192>;

constexpr uint8_t bit_masks[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

// The screen byte of the pixel's own raster line, so FLI and plain pictures decode alike.
uint8_t screen_byte(const video_bank& screen, const pixel_pair_location& at) {
  return screen[at.cell * 8 + at.row % 8];
}

// Writes frame pair i to out[i * stride + offset]. One bitmap byte holds four pairs of one
// cell and raster line, leftmost in bits 7-6; a pair's bits choose 00: the line's background,
// 01: the screen byte's high nibble, 10: its low nibble, 11: the cell's colour RAM.
void decode_multicolor_frame(const picture_model& model, const video_bank& bitmap,
                             const video_bank& screen, uint8_t* out, unsigned stride,
                             unsigned offset) {
  for (unsigned i = 0; i < 32000; i += 4) {
    const pixel_pair_location at = locate_pixel_pair(static_cast<uint16_t>(i));
    const uint8_t bits = bitmap[bitmap_offset(at.position)];
    const uint8_t screen_colours = screen_byte(screen, at);
    const uint8_t colours[4] = {model.line_background[at.row],
                                static_cast<uint8_t>(screen_colours >> 4), screen_colours,
                                model.color_ram[at.cell]};
    for (unsigned j = 0; j < 4; ++j)
      out[(i + j) * stride + offset] = colours[(bits >> (6 - 2 * j)) & 3] & 0x0F;
  }
}

// Every hires pixel into chunky_a (320 wide). Four pairs share one bitmap byte: set bits take
// the screen byte's high nibble, clear ones its low nibble.
void decode_hires_pixels(const picture_model& model,
                         std::array<uint8_t, chunky_entries>& chunky_a) {
  for (unsigned i = 0; i < 32000; i += 4) {
    const pixel_pair_location at = locate_pixel_pair(static_cast<uint16_t>(i));
    const uint8_t bits = model.bitmap_a[bitmap_offset(at.position)];
    const uint8_t screen = screen_byte(model.screen_a, at);
    for (unsigned p = 0; p < 8; ++p)
      chunky_a[at.position + p] = ((bits & bit_masks[p]) ? screen >> 4 : screen) & 0x0F;
  }
}

}  // namespace

void decode_two_frame_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  uint8_t* chunky_a = context.chunky.chunky_a.data();
  if (context.crt.display_mode == display_interlaced) {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, chunky_a, 1, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, context.chunky.chunky_b.data(),
                            1, 0);
    render_160_wide(context, render_target::a);
    render_160_wide(context, render_target::b);
  } else {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, chunky_a, 2, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, chunky_a, 2, 1);
    render_320_wide(context, render_target::a);
    context.two_surface_picture = false;
  }
}

void decode_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  decode_multicolor_frame(model, model.bitmap_a, model.screen_a, context.chunky.chunky_a.data(), 1,
                          0);
  render_160_wide(context, render_target::a);
}

void decode_hires(picture_context& context) {
  decode_hires_pixels(context.model, context.chunky.chunky_a);
  render_320_wide(context, render_target::a);
}

void decode_ufli(picture_context& context) {
  const picture_model& model = context.model;
  auto& chunky_a = context.chunky.chunky_a;
  decode_hires_pixels(model, chunky_a);
  // The sprites lie under the bitmap: they show only where its bit is clear.
  for (uint16_t y = 0; y < 200; ++y) {
    for (int x = ufli_sprites::first_x; x < ufli_sprites::end_x; ++x) {
      const auto position = static_cast<uint16_t>(y * 320 + x);
      if (model.bitmap_a[bitmap_offset(position)] & bit_masks[x % 8]) continue;
      const ufli_sprites::sprite_bit sprite = ufli_sprites::bit_under(x, y);
      if (model.sprite_bank[sprite.offset] & sprite.mask) {
        chunky_a[position] =
            ufli_sprites::colour_of_column(model.sprite_bank, ufli_sprites::column_of(x)) & 0x0F;
      }
    }
  }
  render_320_wide(context, render_target::a);
}

void run_decoding(decoding kind, picture_context& context) {
  switch (kind) {
    case decoding::two_frame_multicolor:
      decode_two_frame_multicolor(context);
      break;
    case decoding::multicolor:
      decode_multicolor(context);
      break;
    case decoding::hires:
      decode_hires(context);
      break;
    case decoding::ufli:
      decode_ufli(context);
      break;
    case decoding::raster:
      decode_raster(context, raster_frames::one);
      break;
    case decoding::raster_hires_lace:
      decode_raster(context, raster_frames::hires_lace);
      break;
    case decoding::raster_multicolor_lace:
      decode_raster(context, raster_frames::multicolor_lace);
      break;
  }
}

void draw_picture(const format_entry& format, picture_context& context) {
  fit_work_surface(context.work_surface_a, context.model.canvas);
  fit_work_surface(context.work_surface_b, context.model.canvas);
  context.two_surface_picture = format.two_surface_picture();
  run_decoding(format.decode, context);
}
