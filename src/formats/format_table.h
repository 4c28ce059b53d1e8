#pragma once
// The known picture formats, told apart by exact file size, and what showing each needs:
// frames, the value two_surface_picture takes, the byte layout and the decoding. This table is
// the only place that ties format numbers to behaviour.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "formats/picture_layout.h"

// Display names indexed by format_id; 0 names every size that is not a known format.
inline constexpr std::array<std::string_view, 18> format_names = {
    "Unknown VELORA format",
    "Gun Paint interlace 320x200",
    "PC64 fli interlace 320x200",
    "PC64 fli 160x200",
    "Saga Editor fli 160x200",
    "3C00 colors fli 160x200",
    "Draz Lace 320x200",
    "MultiColorInterlace 320x200",
    "Topaz editor Afli 320x200",
    "Topaz editor Hires 320x200",
    "Mono MCI 160x200",
    "Multi Color BPaddles 160x200",
    "Dolphins Fli 160x200",
    "Fun Paint interlace 320x200",
    "Advanced Art Studio 160x200",
    "Hires Art Studio 320x200",
    "Draz Paint MultiColor 160x200",
    "Crest Ufli 320x200",
};

enum class decoding : uint8_t { none, two_frame_multicolor, multicolor, hires };

struct format_entry {
  uint8_t id = 0;
  // A format has one or two sizes; an unused second size is 0.
  std::array<int32_t, 2> sizes{};
  std::string_view name{};
  uint8_t frames = 0;  // 0: recognised and named, but not shown
  // The value two_surface_picture takes; none leaves it as it was.
  std::optional<bool> two_surface_picture{};
  decoding decode = decoding::none;
  // How the file's bytes reach the picture model; empty for a format that is not shown.
  format_layout layout{};

  constexpr bool shown() const { return !layout.empty(); }
};

namespace format_detail {
// Completes an entry with what follows from its id and frames.
constexpr format_entry entry(format_entry e) {
  e.name = format_names[e.id];
  if (e.frames != 0) e.two_surface_picture = e.frames == 2;
  return e;
}
}  // namespace format_detail

// Formats 1..17 in order: entry k has id k + 1. Each layout lists the format's steps in the
// order they run: a later step overwrites what an earlier one wrote.
inline constexpr std::array<format_entry, 17> format_table = [] {
  using format_detail::entry;
  using enum model_part;
  using enum decoding;
  using namespace layout_steps;
  return std::array<format_entry, 17>{
      entry(
          {.id = 1,
           .sizes = {33602, 33603},
           .frames = 2,
           .decode = two_frame_multicolor,
           .layout = layout(fill(line_background, 0), screen_rams(2, 8193, screen_a),
                            copy(8194, 16208, bitmap_a), copy(16209, 16385, line_background),
                            copy(16386, 17409, color_ram), screen_rams(17410, 18409, screen_b),
                            copy(18410, 18433, line_background, 177),
                            screen_rams(18434, 25601, screen_b, 1), copy(25602, 33601, bitmap_b))}),
      entry({.id = 2,
             .sizes = {34050},
             .frames = 2,
             .decode = two_frame_multicolor,
             .layout = layout(copy(2, 257, line_background), copy(258, 1281, color_ram),
                              screen_rams(1282, 9473, screen_a), copy(9474, 17665, bitmap_a),
                              screen_rams(17666, 25857, screen_b), copy(25858, 34049, bitmap_b))}),
      entry({.id = 3,
             .sizes = {17666},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(copy(2, 257, line_background), copy(258, 1281, color_ram),
                              screen_rams(1282, 9473, screen_a), copy(9474, 17665, bitmap_a))}),
      // The background table starts six bytes early: picture line 0 takes offset 8.
      entry({.id = 4,
             .sizes = {17665},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(lead_in(2, 7, line_background), copy(8, 257, line_background),
                              copy(258, 1281, color_ram), screen_rams(1282, 9473, screen_a),
                              copy(9474, 17664, bitmap_a))}),
      entry({.id = 5,
             .sizes = {17409, 17410},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(fill(line_background, 0), copy(2, 1025, color_ram),
                              screen_rams(1026, 9217, screen_a), copy(9218, 17408, bitmap_a))}),
      // Both frames share one screen RAM and one background colour.
      entry({.id = 6,
             .sizes = {18242},
             .frames = 2,
             .decode = two_frame_multicolor,
             .layout = layout(copy(2, 1025, color_ram), screen_rams(1026, 2049, screen_a),
                              spread_screen_ram_0(screen_a), copy_part(screen_a, screen_b),
                              copy(2050, 10049, bitmap_a), fill_from_file(line_background, 10050),
                              copy(10242, 18241, bitmap_b))}),
      entry({.id = 7,
             .sizes = {19434},
             .frames = 2,
             .decode = two_frame_multicolor,
             .layout = layout(screen_rams(2, 1025, screen_a), copy(1026, 9217, bitmap_a),
                              copy(9218, 17409, bitmap_b), screen_rams(17410, 18433, screen_b),
                              copy(18434, 19433, color_ram), spread_screen_ram_0(screen_a),
                              spread_screen_ram_0(screen_b), fill(line_background, 0))}),
      entry({.id = 8,
             .sizes = {16385},
             .frames = 1,
             .decode = hires,
             .layout = layout(screen_rams(2, 8193, screen_a), copy(8194, 16384, bitmap_a))}),
      entry({.id = 9,
             .sizes = {9217},
             .frames = 1,
             .decode = hires,
             .layout = layout(screen_rams(2, 1025, screen_a), copy(1026, 9216, bitmap_a),
                              spread_screen_ram_0(screen_a))}),
      // Two bitmaps only, in fixed colours: black background, grey 2 and grey 1 from the
      // screen byte 0xCB, light grey from colour RAM.
      entry({.id = 10,
             .sizes = {16386},
             .frames = 2,
             .decode = two_frame_multicolor,
             .layout = layout(copy(2, 8001, bitmap_a), copy(8002, 16001, bitmap_b),
                              fill(line_background, 0), fill(screen_a, 0xCB), fill(screen_b, 0xCB),
                              fill(color_ram, 15, 1023))}),
      entry({.id = 11,
             .sizes = {10242},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(copy(2, 8193, bitmap_a), screen_rams(8194, 9217, screen_a),
                              spread_screen_ram_0(screen_a), copy(9218, 10241, color_ram),
                              fill(line_background, 0))}),
      entry({.id = 12,
             .sizes = {17218},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(fill(line_background, 0), copy(2, 1025, color_ram),
                              screen_rams(1026, 9217, screen_a), copy(9218, 17217, bitmap_a))}),
      // The data begin after a 16-byte header at offsets 2..17.
      entry({.id = 13,
             .sizes = {33694},
             .frames = 2,
             .decode = two_frame_multicolor,
             .layout = layout(screen_rams(18, 8209, screen_a), copy(8210, 16209, bitmap_a),
                              copy(16218, 16317, line_background), copy(16402, 17401, color_ram),
                              screen_rams(17402, 25593, screen_b), copy(25594, 33593, bitmap_b),
                              copy(33594, 33693, line_background, 100))}),
      // Offset 9003 holds the background colour; 9002 and 9004..9017 are not used.
      entry({.id = 14,
             .sizes = {10018},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                              spread_screen_ram_0(screen_a), fill_from_file(line_background, 9003),
                              copy(9018, 10017, color_ram))}),
      entry({.id = 15, .sizes = {9009}}),
      entry({.id = 16,
             .sizes = {10241},
             .frames = 1,
             .decode = multicolor,
             .layout = layout(copy(2, 1025, color_ram), screen_rams(1026, 2049, screen_a),
                              spread_screen_ram_0(screen_a), copy(2050, 10049, bitmap_a),
                              fill_from_file(line_background, 10050))}),
      entry({.id = 17, .sizes = {16194}}),
  };
}();

// The largest size of any known format.
inline constexpr int32_t largest_format_size = [] {
  int32_t largest = 0;
  for (const format_entry& format : format_table) {
    for (int32_t size : format.sizes) largest = size > largest ? size : largest;
  }
  return largest;
}();

// The entry of format_id 1..17, or nullptr for 0 and anything above 17.
const format_entry* format_by_id(uint8_t id);

// The format_id (0..17) of a file of size bytes; 0 for every size not in format_table.
uint8_t format_id_by_size(int64_t size);

// The display name of the format of a file of size bytes, "Unknown VELORA format" if none.
std::string_view format_name_by_size(int32_t size);

// The format_id of a size column text: it must be exactly the plain decimal form of a listed
// size (no sign, leading zeros or spaces); any other text, the empty one included, gives 0.
uint8_t format_id_by_size_text(std::string_view text);

// Copies file's bytes into model as format lays them out; every byte the layout does not write
// keeps its value, and a format that is not shown changes nothing.
void load_picture(const format_entry& format, const file_buffer& file, picture_model& model);
