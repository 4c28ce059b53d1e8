#include "arranged_samples.h"

#include "c64_colours.h"
#include "character_samples.h"
#include "packers.h"
#include "sample_writing.h"

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

}  // namespace

uint32_t make_arranged_sample(const sample_format& sample, sample_workspace& work) {
  clear_picture_model(work.model);
  switch (format_by_id(sample.format_id)->arrange) {
    case arrangement::bfli:
      return bfli_sample(sample, work);
    case arrangement::printfox:
      return printfox_sample(sample, work);
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
    case arrangement::none:
      break;
  }
  return 0;
}
