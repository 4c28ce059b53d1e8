#include "sample_formats.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "arranged_samples.h"
#include "formats/format_table.h"
#include "layout_store.h"
#include "packers.h"
#include "pixel_font.h"

namespace {

using bg = background_source;

scene_style style_for(const sample_format& sample, std::string_view subtitle) {
  const picture_constraints& limits = sample.limits;
  const uint8_t ink =
      limits.fixed_screen >> 4 != 0 ? limits.fixed_screen >> 4 : limits.fixed_screen & 0x0F;
  return {.title = sample.title,
          .subtitle = subtitle,
          .hires = limits.hires || limits.four_bit,
          .two_frames = limits.frames == 2,
          .fine_colour =
              limits.screen_per_line || limits.sprite_underlay || limits.background == bg::per_line,
          .line_backgrounds = limits.background == bg::per_line,
          .greys = limits.mono_colours || limits.single_screen,
          .black_and_white = limits.fixed_screen != 0,
          .ink = ink};
}

std::string upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  return out;
}

// The format's name in capitals, cut at a space when it is wider than the picture.
std::string subtitle_for(const sample_format& sample) {
  std::string text = upper(format_name(sample.format_id));
  const int scale = sample.limits.hires || sample.limits.frames == 2 ? 1 : 2;
  while (text_width(text) * scale > picture_width) text.erase(text.rfind(' '));
  return text;
}

// What a format's layout and decoding let a picture use.
picture_constraints limits_of(const format_entry& format) {
  using enum model_part;
  picture_constraints limits{.hires = format.decode == decoding::hires ||
                                      format.decode == decoding::ufli ||
                                      format.decode == decoding::two_frame_hires,
                             .frames = format.frames(),
                             .sprite_underlay = format.decode == decoding::ufli,
                             .four_bit = format.decode == decoding::four_bit};
  bool background_from_file = false;
  for (const layout_step& step : format.layout.view()) {
    const bool screen = is_screen(step.part);
    switch (step.kind) {
      case step_kind::copy:
      case step_kind::lead_in:
        if (step.part == line_background || step.part == line_background_b)
          limits.background = bg::per_line;
        break;
      case step_kind::screen_rams:
        limits.screen_per_line |=
            format.decode != decoding::ufli &&
            (step.at > 0 || uint32_t{step.last} - step.first >= screen_ram_cells);
        break;
      case step_kind::fill_from_file:
        background_from_file |= step.part == line_background;
        limits.single_color_ram |= step.part == color_ram;
        limits.single_screen |= screen;
        break;
      case step_kind::fill:
        // Screens of one fixed byte give fixed colours.
        if (screen && step.value != 0 && limits.hires) limits.fixed_screen = step.value;
        limits.mono_colours |= screen && step.value != 0 && !limits.hires;
        limits.top_row_unused |= step.part == bitmap_a && step.count < part_size(bitmap_a);
        if (step.part == bitmap_a && step.count == part_size(bitmap_a))
          limits.fixed_bitmap = step.value;
        break;
      case step_kind::copy_part:
        limits.shared_screen |= screen;
        limits.shared_bitmap |= step.part == bitmap_b;
        break;
      case step_kind::spread_screen_ram_0:
        break;
    }
  }
  if (background_from_file && limits.background != bg::per_line) limits.background = bg::single;
  return limits;
}

// The samples of the first formats keep the names and scene titles they were first made with,
// so that the samples folder stays as it was; later formats' samples are named after their
// format.
struct first_sample {
  uint8_t format_id;
  std::string_view file_name;  // empty: named after the format
  std::string_view title;
};

constexpr first_sample first_samples[] = {
    {1, "01-gun-paint.vic", "GUN PAINT"},
    {2, "02-pc64-fli-interlace.vic", "PC64 FLI LACE"},
    {3, "03-pc64-fli.vic", "PC64 FLI"},
    {4, "04-saga-fli.vic", "SAGA FLI"},
    {5, "05-3c00-fli.vic", "3C00 FLI"},
    {6, "06-draz-lace.vic", "DRAZ LACE"},
    {7, "07-multicolor-interlace.vic", "MULTICOLOR LACE"},
    {8, "08-topaz-afli.vic", "TOPAZ AFLI"},
    {9, "09-topaz-hires.vic", "TOPAZ HIRES"},
    {10, "10-mono-mci.vic", "MONO MCI"},
    {11, "11-bpaddles.vic", "BPADDLES"},
    {12, "12-dolphin-fli.vic", "DOLPHIN FLI"},
    {13, "13-fun-paint.vic", "FUN PAINT"},
    {14, "14-art-studio.vic", "ART STUDIO"},
    {15, "15-hires-art-studio.vic", "HIRES ART STUDIO"},
    {16, "16-draz-paint.vic", "DRAZ PAINT"},
    {17, "17-crest-ufli.vic", "CREST UFLI"},
    {18, "", "KOALA"},
    {19, "", "KOALA GG"},
    {20, "", "RUN PAINT"},
    {21, "", "INTERPAINT MULTI"},
    {22, "", "INTERPAINT HIRES"},
    {23, "", "ARTIST 64"},
    {24, "", "RAINBOW PAINTER"},
    {25, "", "FACE PAINTER"},
    {26, "", "IMAGE SYSTEM HIRES"},
    {27, "", "IMAGE SYSTEM MULTI"},
    {28, "", "VIDCOM 64"},
    {29, "", "HI-EDDI"},
    {30, "", "DOODLE"},
    {31, "", "PAINT MAGIC"},
    {32, "", "SARACEN PAINT"},
    {33, "", "CDU-PAINT"},
    {34, "", "MICRO ILLUSTRATOR"},
    {35, "", "HIRES BITMAP"},
    {36, "", "FLI GRAPH"},
    {37, "", "CREST HIRES FLI"},
    {38, "", "HIRES MANAGER"},
    {39, "", "DOODLE JJ"},
    {40, "", "AMICA"},
    {41, "", "DRAZ LACE RLE"},
    {42, "", "DRAZ PAINT RLE"},
    {43, "", "FUN PAINT RLE"},
    {44, "", "HIRES MANAGER"},
    {45, "", "KOALA ZLIB"},
};

// The format's name without its size ("Koala Painter 160x200": "Koala Painter").
std::string_view plain_name(const format_entry& format) {
  const std::string_view name = format.name;
  return name.substr(0, name.rfind(' '));
}

// "Koala Painter" as "koala-painter".
std::string file_stem(std::string_view name) {
  std::string stem;
  for (const char ch : name) {
    if (std::isalnum(static_cast<unsigned char>(ch)))
      stem += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    else if (!stem.empty() && stem.back() != '-')
      stem += '-';
  }
  return stem;
}

std::string file_name_for(const format_entry& format) {
  const std::string stem = file_stem(plain_name(format));
  if (format.id <= size_table_formats) {
    const char number[3] = {static_cast<char>('0' + format.id / 10),
                            static_cast<char>('0' + format.id % 10), 0};
    return number + ("-" + stem) + ".vic";
  }
  // A format with no extension of its own is told by its content: a ".vic" file.
  const std::string_view extension = format.recognised.extensions[0];
  return "formats/" + stem + "." + std::string(extension.empty() ? "vic" : extension);
}

}  // namespace

sample_format sample_for(const format_entry& format) {
  sample_format sample{
      .format_id = format.id,
      .file_name = file_name_for(format),
      .load_address = format.recognised.load_addresses[0],
      .title = upper(plain_name(format)),
      .limits = format.arrange == arrangement::none ? limits_of(format) : picture_constraints{}};
  for (const first_sample& first : first_samples) {
    if (first.format_id != format.id) continue;
    if (!first.file_name.empty()) sample.file_name = first.file_name;
    sample.title = first.title;
  }
  return sample;
}

const std::vector<sample_format> sample_formats = [] {
  std::vector<sample_format> samples;
  samples.reserve(format_table.size());
  for (const format_entry& format : format_table) samples.push_back(sample_for(format));
  return samples;
}();

const plain_sample unknown_size_sample = {"00-unknown-size.vic", 12345, 0x0801};

void begin_file(file_buffer& file, uint16_t load_address) {
  file.bytes.fill(0);
  file[0] = static_cast<uint8_t>(load_address & 0xFF);
  file[1] = static_cast<uint8_t>(load_address >> 8);
}

uint32_t make_sample(const sample_format& sample, sample_workspace& work) {
  const format_entry& format = *format_by_id(sample.format_id);
  if (format.arrange != arrangement::none) return make_arranged_sample(sample, work);
  const std::string subtitle = subtitle_for(sample);
  paint_scene(style_for(sample, subtitle), work.picture);
  clear_picture_model(work.model);
  fit_picture(work.picture, sample.limits, work.model);
  if (format.pack == packing::none) {
    begin_file(work.file, sample.load_address);
    store_picture(format, work.model, work.file);
    // A mark is no part of the picture; a packed format's packer writes its own.
    for (size_t k = 0; k < format.mark.text.size(); ++k)
      work.file[static_cast<uint16_t>(format.mark.at + k)] =
          static_cast<uint8_t>(format.mark.text[k]);
    return static_cast<uint32_t>(format.sizes[0]);
  }
  begin_file(work.plain, sample.load_address);
  store_picture(format, work.model, work.plain);
  work.file.bytes.fill(0);
  return pack(format.pack,
              std::span(work.plain.bytes).first(static_cast<size_t>(format.unpacked_size)),
              work.file);
}
