#include "sample_formats.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "formats/format_table.h"
#include "layout_store.h"
#include "packers.h"
#include "pixel_font.h"

namespace {

using bg = background_source;

constexpr picture_constraints fli_lace(bg background) {
  return {.frames = 2, .screen_per_line = true, .background = background};
}
constexpr picture_constraints fli(bg background) {
  return {.screen_per_line = true, .background = background};
}
constexpr picture_constraints multicolour(bg background) {
  return {.background = background};
}

scene_style style_for(const sample_format& sample, std::string_view subtitle) {
  const picture_constraints& limits = sample.limits;
  return {.title = sample.title,
          .subtitle = subtitle,
          .hires = limits.hires,
          .two_frames = limits.frames == 2,
          .fine_colour =
              limits.screen_per_line || limits.sprite_underlay || limits.background == bg::per_line,
          .line_backgrounds = limits.background == bg::per_line,
          .greys = limits.mono_colours,
          .black_and_white = limits.white_on_black};
}

// The format's name in capitals, cut at a space when it is wider than the picture.
std::string subtitle_for(const sample_format& sample) {
  std::string text(format_name(sample.format_id));
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  const int scale = sample.limits.hires || sample.limits.frames == 2 ? 1 : 2;
  while (text_width(text) * scale > picture_width) text.erase(text.rfind(' '));
  return text;
}

}  // namespace

const std::array<sample_format, 45> sample_formats = {{
    {1, "01-gun-paint.vic", 0x4000, "GUN PAINT", fli_lace(bg::per_line)},
    {2, "02-pc64-fli-interlace.vic", 0x3B00, "PC64 FLI LACE", fli_lace(bg::per_line)},
    {3, "03-pc64-fli.vic", 0x3B00, "PC64 FLI", fli(bg::per_line)},
    {4, "04-saga-fli.vic", 0x3B00, "SAGA FLI", fli(bg::per_line)},
    {5, "05-3c00-fli.vic", 0x3C00, "3C00 FLI", fli(bg::black)},
    {6,
     "06-draz-lace.vic",
     0x5800,
     "DRAZ LACE",
     {.frames = 2, .shared_screen = true, .background = bg::single}},
    {7,
     "07-multicolor-interlace.vic",
     0x4000,
     "MULTICOLOR LACE",
     {.frames = 2, .background = bg::black}},
    {8, "08-topaz-afli.vic", 0x4000, "TOPAZ AFLI", {.hires = true, .screen_per_line = true}},
    {9, "09-topaz-hires.vic", 0x5C00, "TOPAZ HIRES", {.hires = true}},
    {10, "10-mono-mci.vic", 0x2000, "MONO MCI", {.frames = 2, .mono_colours = true}},
    {11, "11-bpaddles.vic", 0x6000, "BPADDLES", multicolour(bg::black)},
    {12, "12-dolphin-fli.vic", 0x3C00, "DOLPHIN FLI", fli(bg::black)},
    {13, "13-fun-paint.vic", 0x3FF0, "FUN PAINT", fli_lace(bg::per_line)},
    {14, "14-art-studio.vic", 0x2000, "ART STUDIO", multicolour(bg::single)},
    {15, "15-hires-art-studio.vic", 0x2000, "HIRES ART STUDIO", {.hires = true}},
    {16, "16-draz-paint.vic", 0x5800, "DRAZ PAINT", multicolour(bg::single)},
    {17, "17-crest-ufli.vic", 0x4000, "CREST UFLI", {.hires = true, .sprite_underlay = true}},
    {18, "formats/koala-painter.koa", 0x6000, "KOALA", multicolour(bg::single)},
    {19, "formats/koala-painter-gg.gg", 0x6000, "KOALA GG", multicolour(bg::single)},
    {20, "formats/run-paint.rpm", 0x6000, "RUN PAINT", multicolour(bg::single)},
    {21, "formats/interpaint-multi.ipt", 0x4000, "INTERPAINT MULTI", multicolour(bg::single)},
    {22, "formats/interpaint-hires.iph", 0x4000, "INTERPAINT HIRES", {.hires = true}},
    {23, "formats/artist-64.a64", 0x4000, "ARTIST 64", multicolour(bg::single)},
    {24, "formats/rainbow-painter.rp", 0x5C00, "RAINBOW PAINTER", multicolour(bg::black)},
    {25, "formats/face-painter.fpt", 0x4000, "FACE PAINTER", multicolour(bg::single)},
    {26, "formats/image-system-hires.ish", 0x4000, "IMAGE SYSTEM HIRES", {.hires = true}},
    {27, "formats/image-system-multi.ism", 0x3C00, "IMAGE SYSTEM MULTI", multicolour(bg::single)},
    {28, "formats/vidcom-64.vid", 0x5800, "VIDCOM 64", multicolour(bg::single)},
    {29, "formats/hi-eddi.hed", 0x2000, "HI-EDDI", {.hires = true}},
    {30, "formats/doodle.dd", 0x5C00, "DOODLE", {.hires = true}},
    {31,
     "formats/paint-magic.pmg",
     0x3F8E,
     "PAINT MAGIC",
     {.background = bg::single, .single_color_ram = true}},
    {32, "formats/saracen-paint.sar", 0x7800, "SARACEN PAINT", multicolour(bg::single)},
    {33, "formats/cdu-paint.cdu", 0x7EEF, "CDU-PAINT", multicolour(bg::single)},
    {34, "formats/micro-illustrator.mil", 0x18DC, "MICRO ILLUSTRATOR", multicolour(bg::single)},
    {35,
     "formats/hires-bitmap.hbm",
     0x2000,
     "HIRES BITMAP",
     {.hires = true, .white_on_black = true}},
    {36, "formats/fli-graph.bml", 0x3B00, "FLI GRAPH", fli(bg::per_line)},
    {37,
     "formats/crest-hires-fli.hfc",
     0x4000,
     "CREST HIRES FLI",
     {.hires = true, .screen_per_line = true}},
    {38,
     "formats/hires-manager.him",
     0x4000,
     "HIRES MANAGER",
     {.hires = true, .screen_per_line = true, .top_row_unused = true}},
    {39, "formats/doodle-jj.jj", 0x5C00, "DOODLE JJ", {.hires = true}},
    {40, "formats/amica-paint.ami", 0x4000, "AMICA", multicolour(bg::single)},
    {41,
     "formats/draz-lace-packed.drl",
     0x5800,
     "DRAZ LACE RLE",
     {.frames = 2, .shared_screen = true, .background = bg::single}},
    {42, "formats/draz-paint-packed.drp", 0x5800, "DRAZ PAINT RLE", multicolour(bg::single)},
    {43, "formats/fun-paint-packed.fun", 0x3FF0, "FUN PAINT RLE", fli_lace(bg::per_line)},
    {44,
     "formats/hires-manager-packed.him",
     0x4000,
     "HIRES MANAGER",
     {.hires = true, .screen_per_line = true, .top_row_unused = true}},
    // The zlib header stands where the load address would be.
    {45, "formats/koala-painter-zlib.vic", 0x9C78, "KOALA ZLIB", multicolour(bg::single)},
}};

const plain_sample unknown_size_sample = {"00-unknown-size.vic", 12345, 0x0801};

void begin_file(file_buffer& file, uint16_t load_address) {
  file.bytes.fill(0);
  file[0] = static_cast<uint8_t>(load_address & 0xFF);
  file[1] = static_cast<uint8_t>(load_address >> 8);
}

uint32_t make_sample(const sample_format& sample, sample_workspace& work) {
  const std::string subtitle = subtitle_for(sample);
  paint_scene(style_for(sample, subtitle), work.picture);
  work.model = picture_model{};
  fit_picture(work.picture, sample.limits, work.model);
  const format_entry& format = *format_by_id(sample.format_id);
  if (format.pack == packing::none) {
    begin_file(work.file, sample.load_address);
    store_picture(format, work.model, work.file);
    return static_cast<uint32_t>(format.sizes[0]);
  }
  begin_file(work.plain, sample.load_address);
  store_picture(format, work.model, work.plain);
  work.file.bytes.fill(0);
  return pack(format.pack,
              std::span(work.plain.bytes).first(static_cast<size_t>(format.unpacked_size)),
              work.file);
}
