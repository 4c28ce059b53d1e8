#include "render/pixel_decoding.h"

#include <algorithm>

#include "base/ready_room.h"
#include "formats/four_bit_colours.h"
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
                             const video_bank& screen, const std::array<uint8_t, 256>& background,
                             uint8_t* out, unsigned stride, unsigned offset) {
  for (unsigned i = 0; i < 32000; i += 4) {
    const pixel_pair_location at = locate_pixel_pair(static_cast<uint16_t>(i));
    const uint8_t bits = bitmap[bitmap_offset(at.position)];
    const uint8_t screen_colours = screen_byte(screen, at);
    const uint8_t colours[4] = {background[at.row], static_cast<uint8_t>(screen_colours >> 4),
                                screen_colours, model.color_ram[at.cell]};
    for (unsigned j = 0; j < 4; ++j)
      out[(i + j) * stride + offset] = colours[(bits >> (6 - 2 * j)) & 3] & 0x0F;
  }
}

// Every hires pixel of a frame into out (320 wide). Four pairs share one bitmap byte: set bits
// take the screen byte's high nibble, clear ones its low nibble.
void decode_hires_frame(const video_bank& bitmap, const video_bank& screen, uint8_t* out) {
  for (unsigned i = 0; i < 32000; i += 4) {
    const pixel_pair_location at = locate_pixel_pair(static_cast<uint16_t>(i));
    const uint8_t bits = bitmap[bitmap_offset(at.position)];
    const uint8_t colours = screen_byte(screen, at);
    for (unsigned p = 0; p < 8; ++p)
      out[at.position + p] = ((bits & bit_masks[p]) ? colours >> 4 : colours) & 0x0F;
  }
}

// Two frames rendered into the two work surfaces, pixel over pixel: in INTERLACED mode they
// take turns; in STATIC mode they are merged into work surface A as the eye sees them.
void show_frames_pixel_over_pixel(picture_context& context) {
  if (context.crt.display_mode == display_static) {
    merge_frames(context);
    context.two_surface_picture = false;
  }
}

}  // namespace

void decode_two_frame_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  uint8_t* chunky_a = context.chunky.chunky_a.data();
  if (context.crt.display_mode == display_interlaced) {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, model.line_background, chunky_a,
                            1, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, model.line_background,
                            context.chunky.chunky_b.data(), 1, 0);
    render_160_wide(context, render_target::a);
    render_160_wide(context, render_target::b);
  } else {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, model.line_background, chunky_a,
                            2, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, model.line_background, chunky_a,
                            2, 1);
    render_320_wide(context, render_target::a);
    context.two_surface_picture = false;
  }
}

void decode_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  decode_multicolor_frame(model, model.bitmap_a, model.screen_a, model.line_background,
                          context.chunky.chunky_a.data(), 1, 0);
  render_160_wide(context, render_target::a);
}

void decode_hires(picture_context& context) {
  decode_hires_frame(context.model.bitmap_a, context.model.screen_a,
                     context.chunky.chunky_a.data());
  render_320_wide(context, render_target::a);
}

void decode_ufli(picture_context& context) {
  const picture_model& model = context.model;
  auto& chunky_a = context.chunky.chunky_a;
  decode_hires_frame(model.bitmap_a, model.screen_a, chunky_a.data());
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

void decode_two_frame_hires(picture_context& context) {
  const picture_model& model = context.model;
  decode_hires_frame(model.bitmap_a, model.screen_a, context.chunky.chunky_a.data());
  decode_hires_frame(model.bitmap_b, model.screen_b, context.chunky.chunky_b.data());
  render_320_wide(context, render_target::a);
  render_320_wide(context, render_target::b);
  show_frames_pixel_over_pixel(context);
}

void decode_two_frame_multicolor_aligned(picture_context& context) {
  const picture_model& model = context.model;
  decode_multicolor_frame(model, model.bitmap_a, model.screen_a, model.line_background,
                          context.chunky.chunky_a.data(), 1, 0);
  decode_multicolor_frame(model, model.bitmap_b, model.screen_b, model.line_background_b,
                          context.chunky.chunky_b.data(), 1, 0);
  constexpr render_lines_shape pairs{200, 160, 4, 0};
  render_canvas(context, render_target::a, pairs);
  render_canvas(context, render_target::b, pairs);
  show_frames_pixel_over_pixel(context);
}

void decode_four_bit(picture_context& context) {
  const picture_model& model = context.model;
  uint8_t* out = context.chunky.chunky_a.data();
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 320; ++x) {
      const four_bit_place place = four_bit_pixel_at(x, y);
      const uint8_t byte = model.four_bit_pixels[place.byte];
      out[y * 320 + x] = four_bit_colours[place.high ? byte >> 4 : byte & 0x0F];
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
    case decoding::two_frame_hires:
      decode_two_frame_hires(context);
      break;
    case decoding::two_frame_multicolor_aligned:
      decode_two_frame_multicolor_aligned(context);
      break;
    case decoding::four_bit:
      decode_four_bit(context);
      break;
  }
}

void draw_picture(const format_entry& format, picture_context& context) {
  fit_work_surface(context.work_surface_a, context.model.canvas);
  fit_work_surface(context.work_surface_b, context.model.canvas);
  context.two_surface_picture = format.two_surface_picture();
  // Decoding writes an entry per pixel of the canvas into the buffers it draws from.
  const size_t entries =
      std::min(static_cast<size_t>(context.model.canvas.width) * context.model.canvas.height,
               chunky_entries);
  ready_pages(context.chunky.chunky_a.data(), entries);
  if (context.two_surface_picture) ready_pages(context.chunky.chunky_b.data(), entries);
  run_decoding(format.decode, context);
}
