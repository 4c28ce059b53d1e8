#include "render/pixel_decoding.h"

#include "render/caption.h"
#include "render/crt_renderer.h"

namespace {

using video_bank = std::array<uint8_t, 8192>;

constexpr uint8_t pair_masks[4] = {0xC0, 0x30, 0x0C, 0x03};
constexpr uint8_t pair_pattern_01[4] = {0x40, 0x10, 0x04, 0x01};
constexpr uint8_t bit_masks[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

// The screen byte of the pixel's own raster line, so FLI and plain pictures decode alike.
uint8_t screen_byte(const video_bank& screen, const pixel_pair_location& at) {
  return screen[at.cell * 8 + at.row % 8];
}

// Bit pairs 11: colour RAM; 00: the line's background; 01: screen high nibble; 10: low nibble.
uint8_t multicolor_index(const picture_model& model, const video_bank& bitmap,
                         const video_bank& screen, uint16_t i) {
  const pixel_pair_location at = locate_pixel_pair(i);
  const unsigned j = i % 4;
  const uint8_t v = bitmap[bitmap_offset(at.position)] & pair_masks[j];
  uint8_t colour;
  if (v == pair_masks[j])
    colour = model.color_ram[at.cell];
  else if (v == 0)
    colour = model.line_background[at.row];
  else if (v == pair_pattern_01[j])
    colour = screen_byte(screen, at) >> 4;
  else
    colour = screen_byte(screen, at);
  return colour & 0x0F;
}

// Writes frame pair i to out[i * stride + offset].
void decode_multicolor_frame(const picture_model& model, const video_bank& bitmap,
                             const video_bank& screen, uint8_t* out, unsigned stride,
                             unsigned offset) {
  for (unsigned i = 0; i < 32000; ++i)
    out[i * stride + offset] = multicolor_index(model, bitmap, screen, static_cast<uint16_t>(i));
}

void caption_work_surface(picture_context& context, surface& work_surface) {
  draw_caption(context.state.current_picture_name, format_names[context.state.format_id],
               work_surface);
}

}  // namespace

void decode_two_frame_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  uint8_t* chunky_a = context.chunky.chunky_a.data();
  if (context.state.display_mode == display_interlaced) {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, chunky_a, 1, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, context.chunky.chunky_b.data(),
                            1, 0);
    render_160_wide(context, render_target::a);
    render_160_wide(context, render_target::b);
  } else {
    decode_multicolor_frame(model, model.bitmap_a, model.screen_a, chunky_a, 2, 0);
    decode_multicolor_frame(model, model.bitmap_b, model.screen_b, chunky_a, 2, 1);
    render_320_wide(context, render_target::a);
    context.state.two_surface_picture = false;
  }
  caption_work_surface(context, context.work_surface_a);
  caption_work_surface(context, context.work_surface_b);
}

void decode_multicolor(picture_context& context) {
  const picture_model& model = context.model;
  decode_multicolor_frame(model, model.bitmap_a, model.screen_a, context.chunky.chunky_a.data(), 1,
                          0);
  render_160_wide(context, render_target::a);
  caption_work_surface(context, context.work_surface_a);
}

void decode_hires(picture_context& context) {
  const picture_model& model = context.model;
  auto& chunky_a = context.chunky.chunky_a;
  for (unsigned i = 0; i < 32000; ++i) {
    const pixel_pair_location at = locate_pixel_pair(static_cast<uint16_t>(i));
    const uint8_t screen = screen_byte(model.screen_a, at);
    for (unsigned p = at.position; p <= at.position + 1u; ++p) {
      const bool set = model.bitmap_a[bitmap_offset(static_cast<uint16_t>(p))] & bit_masks[p % 8];
      chunky_a[p] = (set ? screen >> 4 : screen) & 0x0F;
    }
  }
  render_320_wide(context, render_target::a);
  caption_work_surface(context, context.work_surface_a);
}

void run_decoding(decoding kind, picture_context& context) {
  switch (kind) {
    case decoding::none:
      break;
    case decoding::two_frame_multicolor:
      decode_two_frame_multicolor(context);
      break;
    case decoding::multicolor:
      decode_multicolor(context);
      break;
    case decoding::hires:
      decode_hires(context);
      break;
  }
}
