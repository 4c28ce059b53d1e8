#pragma once
// The known picture formats, told apart by exact file size, and what showing each needs:
// frames, the value two_surface_picture takes, the byte layout and the decoding. This table is
// the only place that ties format numbers to behaviour.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/fixed_text.h"
#include "formats/arrangement.h"
#include "formats/packing.h"
#include "formats/picture_layout.h"

// The name of every size, load address and extension that is no known format.
inline constexpr std::string_view unknown_format_name = "Unknown VELORA format";

// The raster decodings show a picture of its own canvas size from the model's raster: one
// frame, or two taken in turn pixel over pixel, or two multicolour frames the second of which
// lies one hires pixel further right.
enum class decoding : uint8_t {
  two_frame_multicolor,
  multicolor,
  hires,
  ufli,
  raster,
  raster_hires_lace,
  raster_multicolor_lace,
  // Two hires frames pixel over pixel (hires interlace).
  two_frame_hires,
  // Two multicolour frames pixel over pixel, frame B with its own line backgrounds.
  two_frame_multicolor_aligned,
  // One 4-bit colour step a pixel (four_bit_pixels), in GoDot's colours.
  four_bit,
};

// 1, or 2 for two pictures shown in turn.
constexpr uint8_t frames_of(decoding kind) {
  switch (kind) {
    case decoding::two_frame_multicolor:
    case decoding::raster_hires_lace:
    case decoding::raster_multicolor_lace:
    case decoding::two_frame_hires:
    case decoding::two_frame_multicolor_aligned:
      return 2;
    default:
      return 1;
  }
}

// How a format's files are recognised: the C64 load addresses its files start with (the first
// is the one its program writes), the file name extensions that name it (lower case, without
// the dot), and whether size and load address alone tell it in a ".vic" file or a disk image
// entry (a packed format with no mark of its own is told by its extension only). The seventeen
// sizes name their formats whatever the load address; for a file whose extension names
// formats, the load address decides only between those that have its size.
struct format_names_and_addresses {
  std::array<uint16_t, 3> load_addresses{};
  size_t load_address_count = 0;
  std::array<fixed_text<7>, 6> extensions{};
  bool by_content = true;

  constexpr bool takes_load_address(uint16_t address) const {
    for (size_t k = 0; k < load_address_count; ++k)
      if (load_addresses[k] == address) return true;
    return load_address_count == 0;
  }
  constexpr bool named_by(std::string_view extension) const {
    for (std::string_view own : extensions)
      if (!own.empty() && own == extension) return true;
    return false;
  }
};

// Text that a format's files carry at a fixed offset, most often a packed format's: such a file
// is told by it wherever it lies, whatever its name, and a file without it is not of the
// format.
struct file_mark {
  fixed_text<15> text{};
  uint8_t at = 2;

  constexpr bool empty() const { return text.empty(); }
  constexpr size_t end() const { return at + text.size(); }
  // Whether the bytes (a file's first ones) carry the mark.
  constexpr bool found_in(std::span<const uint8_t> bytes) const {
    if (empty() || bytes.size() < end()) return false;
    for (size_t k = 0; k < text.size(); ++k)
      if (static_cast<uint8_t>(text[k]) != bytes[at + k]) return false;
    return true;
  }
};

struct format_entry {
  uint8_t id = 0;
  fixed_text<30> name{};  // the caption's second line
  // The file sizes of the format, unused ones 0; the layout reads nothing beyond the shortest.
  // A packed format has none: its files unpack to unpacked_size bytes (load address included),
  // laid out as layout says, or to longer_unpacked_size where the format's files come in a
  // longer size too.
  std::array<int32_t, 4> sizes{};
  // A size at which the format's files come without their load address, told only by their
  // extension: their data start at offset 0 instead of 2.
  int32_t size_without_load_address = 0;
  format_names_and_addresses recognised{};
  packing pack = packing::none;
  file_mark mark{};
  int32_t unpacked_size = 0;
  int32_t longer_unpacked_size = 0;
  decoding decode{};
  // How the file's bytes reach the picture model: the steps of a layout, or an arrangement
  // that checks the file and draws it into the model's raster. A format with an arrangement
  // and no sizes takes files of any size the arrangement takes.
  format_layout layout{};
  arrangement arrange = arrangement::none;

  // 1, or 2 for two pictures shown in turn.
  constexpr uint8_t frames() const { return frames_of(decode); }
  // The value two_surface_picture takes: two-frame formats alternate two work surfaces.
  constexpr bool two_surface_picture() const { return frames() == 2; }
  constexpr unpacked_sizes unpacks_to() const {
    return {static_cast<uint32_t>(unpacked_size), static_cast<uint32_t>(longer_unpacked_size)};
  }
  // Whether the format's files are packed.
  constexpr bool packed() const { return pack != packing::none || arrangement_unpacks(arrange); }
  // Whether files of size bytes, load address included, are of the format.
  constexpr bool has_size(int64_t size) const {
    for (int32_t own : sizes)
      if (size > 0 && own == size) return true;
    return false;
  }
  // Whether files of size bytes are of the format, with or without their load address.
  constexpr bool has_any_size(int64_t size) const {
    return has_size(size) || (size > 0 && size == size_without_load_address);
  }
  constexpr int32_t shortest_size() const {
    int32_t shortest = sizes[0];
    for (int32_t own : sizes)
      if (own != 0 && own < shortest) shortest = own;
    return shortest;
  }
};

namespace format_detail {
constexpr format_names_and_addresses loaded_at(std::initializer_list<uint16_t> addresses,
                                               std::array<fixed_text<7>, 6> extensions = {}) {
  format_names_and_addresses r{};
  for (uint16_t address : addresses) r.load_addresses[r.load_address_count++] = address;
  r.extensions = extensions;
  return r;
}

// A format told by its extension alone, not by size and load address: a packed format without
// a mark of its own (inside a disk image, by unpacking), or a layout whose size and load address
// other files share.
constexpr format_names_and_addresses named(uint16_t address,
                                           std::array<fixed_text<7>, 6> extensions) {
  format_names_and_addresses r = loaded_at({address}, extensions);
  r.by_content = false;
  return r;
}

// A format told by its extension alone whose load address no source gives: its files are taken
// at any.
constexpr format_names_and_addresses named(std::array<fixed_text<7>, 6> extensions) {
  format_names_and_addresses r{};
  r.extensions = extensions;
  r.by_content = false;
  return r;
}

}  // namespace format_detail

// Layouts that several formats share.
constexpr format_layout koala_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                spread_screen_ram_0(screen_a), copy(9002, 10001, color_ram),
                fill_from_file(line_background, 10002));
}();

// The bitmap's 8 KiB, then the screen RAM.
constexpr format_layout hi_eddi_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 8001, bitmap_a), screen_rams(8194, 9193, screen_a),
                spread_screen_ram_0(screen_a));
}();

// The colour RAM, the screen RAM with the background after it, then the bitmap.
constexpr format_layout vidcom_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 1001, color_ram), screen_rams(1026, 2025, screen_a),
                spread_screen_ram_0(screen_a), fill_from_file(line_background, 2026),
                copy(2050, 10049, bitmap_a));
}();

// Hires: the screen RAM first, the bitmap 1 KiB after it.
constexpr format_layout doodle_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(screen_rams(2, 1001, screen_a), spread_screen_ram_0(screen_a),
                copy(1026, 9025, bitmap_a));
}();

// Both frames share one screen RAM and one background colour.
constexpr format_layout draz_lace_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 1025, color_ram), screen_rams(1026, 2049, screen_a),
                spread_screen_ram_0(screen_a), copy_part(screen_a, screen_b),
                copy(2050, 10049, bitmap_a), fill_from_file(line_background, 10050),
                copy(10242, 18241, bitmap_b));
}();

// The data begin after a 16-byte header at offsets 2..17.
constexpr format_layout fun_paint_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(screen_rams(18, 8209, screen_a), copy(8210, 16209, bitmap_a),
                copy(16218, 16317, line_background), copy(16402, 17401, color_ram),
                screen_rams(17402, 25593, screen_b), copy(25594, 33593, bitmap_b),
                copy(33594, 33693, line_background, 100));
}();

constexpr format_layout draz_paint_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 1025, color_ram), screen_rams(1026, 2049, screen_a),
                spread_screen_ram_0(screen_a), copy(2050, 10049, bitmap_a),
                fill_from_file(line_background, 10050));
}();

// Hires FLI: the bitmap, then eight screen RAMs. Only character rows 1..24 are pictured; row 0
// holds fillers and shows black.
constexpr format_layout hires_manager_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(322, 8001, bitmap_a, 320), screen_rams(8194, 16384, screen_a),
                fill(bitmap_a, 0, 320), fill(screen_a, 0, 320));
}();

// The sprite bank first, then four screen RAMs, each for two raster lines of a cell (line y
// takes screen (y / 2) & 3), then the bitmap.
constexpr format_layout ufli_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  format_layout steps = layout(copy(2, 4097, sprite_bank), copy(8194, 16193, bitmap_a));
  for (uint16_t ram = 0; ram < 8; ++ram) {
    const auto first = static_cast<uint16_t>(4098 + ram / 2 * screen_ram_cells);
    const auto last = static_cast<uint16_t>(first + screen_ram_cells - 1);
    steps.steps[steps.count++] = screen_rams(first, last, screen_a, ram);
  }
  return steps;
}();

// Frame A, frame B, then the colour RAM; the background is the byte after frame A's screen RAM.
constexpr format_layout true_paint_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(screen_rams(2, 1025, screen_a), copy(1026, 9217, bitmap_a),
                copy(9218, 17409, bitmap_b), screen_rams(17410, 18433, screen_b),
                copy(18434, 19433, color_ram), spread_screen_ram_0(screen_a),
                spread_screen_ram_0(screen_b), fill_from_file(line_background, 1002));
}();

// FLI: the colour RAM, eight screen RAMs, the bitmap; the background is black.
constexpr format_layout fli_designer_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(fill(line_background, 0), copy(2, 1025, color_ram),
                screen_rams(1026, 9217, screen_a), copy(9218, 17217, bitmap_a));
}();

// FLI with a background colour for each raster line, in front of the colour RAM.
constexpr format_layout fli_graph_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 257, line_background), copy(258, 1281, color_ram),
                screen_rams(1282, 9473, screen_a), copy(9474, 17473, bitmap_a));
}();

// IFLI: the colour RAM, frame A's screen RAMs and bitmap, the background, frame B's.
constexpr format_layout pixel_perfect_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 1001, color_ram), screen_rams(1026, 9217, screen_a),
                copy(9218, 17217, bitmap_a), fill_from_file(line_background, 17281),
                screen_rams(17410, 25601, screen_b), copy(25602, 33601, bitmap_b));
}();

// Two hires bitmaps over one screen RAM.
constexpr format_layout vertical_hires_lace_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 8001, bitmap_a), copy(8194, 16193, bitmap_b),
                screen_rams(16386, 17385, screen_a), spread_screen_ram_0(screen_a),
                copy_part(screen_a, screen_b));
}();

// Two hires FLI frames, each a bitmap and eight screen RAMs.
constexpr format_layout eci_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 8001, bitmap_a), screen_rams(8194, 16385, screen_a),
                copy(16386, 24385, bitmap_b), screen_rams(24578, 32769, screen_b));
}();

// 4-bit pixels after the first two bytes.
constexpr format_layout four_bit_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 32001, four_bit_pixels));
}();

// FLI: the colour RAM, eight screen RAMs, the bitmap, and one background colour after it.
constexpr format_layout flimatic_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(copy(2, 1001, color_ram), screen_rams(1026, 9217, screen_a),
                copy(9218, 17217, bitmap_a), fill_from_file(line_background, 17281));
}();

// A 20-byte header with the background colour at offset 8, the screen RAM, the colour RAM, the
// bitmap.
constexpr format_layout micro_illustrator_layout = [] {
  using enum model_part;
  using namespace layout_steps;
  return layout(fill_from_file(line_background, 8), screen_rams(22, 1021, screen_a),
                spread_screen_ram_0(screen_a), copy(1022, 2021, color_ram),
                copy(2022, 10021, bitmap_a));
}();

// Every format in order: entry k has id k + 1. Formats 1..17 are the ones the seventeen sizes
// name. Each layout lists the format's steps in the
// order they run: a later step overwrites what an earlier one wrote.
inline constexpr auto format_table = [] {
  using format_detail::loaded_at;
  using format_detail::named;
  using enum model_part;
  using enum decoding;
  using namespace layout_steps;
  return std::to_array<format_entry>({
      // Offsets: RECOIL's Gun Paint decoder.
      {.id = 1,
       .name = "Gun Paint interlace 320x200",
       .sizes = {33602, 33603},
       .recognised = loaded_at({0x4000}, {"gun", "ifl"}),
       .decode = two_frame_multicolor,
       .layout = layout(fill(line_background, 0), screen_rams(2, 8193, screen_a),
                        copy(8194, 16208, bitmap_a), copy(16209, 16385, line_background),
                        copy(16386, 17409, color_ram), screen_rams(17410, 18409, screen_b),
                        copy(18410, 18433, line_background, 177),
                        screen_rams(18434, 25601, screen_b, 1), copy(25602, 33601, bitmap_b))},
      // No public note found: FLI Graph's layout (RECOIL) twice, the second frame after the first.
      {.id = 2,
       .name = "PC64 fli interlace 320x200",
       .sizes = {34050},
       .recognised = loaded_at({0x3B00}),
       .decode = two_frame_multicolor,
       .layout = layout(copy(2, 257, line_background), copy(258, 1281, color_ram),
                        screen_rams(1282, 9473, screen_a), copy(9474, 17665, bitmap_a),
                        screen_rams(17666, 25857, screen_b), copy(25858, 34049, bitmap_b))},
      // Offsets: RECOIL's FLI Graph decoder, files of 17666 bytes.
      {.id = 3,
       .name = "PC64 fli 160x200",
       .sizes = {17666},
       .recognised = loaded_at({0x3B00}),
       .decode = multicolor,
       .layout = layout(copy(2, 257, line_background), copy(258, 1281, color_ram),
                        screen_rams(1282, 9473, screen_a), copy(9474, 17665, bitmap_a))},
      // Offsets: the FLI Editor decoders of RECOIL and GrafX2 (c64formats.c).
      // The background table starts six bytes early: picture line 0 takes offset 8.
      {.id = 4,
       .name = "Saga Editor fli 160x200",
       .sizes = {17665},
       .recognised = loaded_at({0x3B00}),
       .decode = multicolor,
       .layout = layout(lead_in(2, 7, line_background), copy(8, 257, line_background),
                        copy(258, 1281, color_ram), screen_rams(1282, 9473, screen_a),
                        copy(9474, 17664, bitmap_a))},
      // Offsets: RECOIL's FLI Designer decoder, files of 17409 bytes.
      {.id = 5,
       .name = "3C00 colors fli 160x200",
       .sizes = {17409, 17410},
       .recognised = loaded_at({0x3C00}, {"fli"}),
       .decode = multicolor,
       .layout = layout(fill(line_background, 0), copy(2, 1025, color_ram),
                        screen_rams(1026, 9217, screen_a), copy(9218, 17408, bitmap_a))},
      // Offsets: RECOIL's Drazlace decoder.
      {.id = 6,
       .name = "Draz Lace 320x200",
       .sizes = {18242},
       .recognised = loaded_at({0x5800}, {"drl", "dlp"}),
       .decode = two_frame_multicolor,
       .layout = draz_lace_layout},
      // Offsets: RECOIL's True Paint MCI decoder.
      {.id = 7,
       .name = "MultiColorInterlace 320x200",
       .sizes = {19434},
       .recognised = loaded_at({0x4000, 0x9C00}, {"mci"}),
       .decode = two_frame_multicolor,
       .layout = true_paint_layout},
      // Offsets: RECOIL's AFLI-editor decoder.
      {.id = 8,
       .name = "Topaz editor Afli 320x200",
       .sizes = {16385},
       .recognised = loaded_at({0x4000}, {"afl"}),
       .decode = hires,
       .layout = layout(screen_rams(2, 8193, screen_a), copy(8194, 16384, bitmap_a))},
      // Offsets: Doodle's, in Peter Schepers' BITMAP.TXT, at RECOIL's 9217-byte Hires-Editor size.
      {.id = 9,
       .name = "Topaz editor Hires 320x200",
       .sizes = {9217},
       .recognised = loaded_at({0x5C00}),
       .decode = hires,
       .layout = layout(screen_rams(2, 1025, screen_a), copy(1026, 9216, bitmap_a),
                        spread_screen_ram_0(screen_a))},
      // No public note found: the layout this program has always read.
      // Two bitmaps only, in fixed colours: black background, grey 2 and grey 1 from the
      // screen byte 0xCB, light grey from colour RAM.
      {.id = 10,
       .name = "Mono MCI 160x200",
       .sizes = {16386},
       .recognised = loaded_at({0x2000}),
       .decode = two_frame_multicolor,
       .layout =
           layout(copy(2, 8001, bitmap_a), copy(8002, 16001, bitmap_b), fill(line_background, 0),
                  fill(screen_a, 0xCB), fill(screen_b, 0xCB), fill(color_ram, 15, 1023))},
      // Offsets: Peter Schepers' BITMAP.TXT ("Blazing Paddles").
      // The background colour is kept in the unused bytes after the bitmap, at offset 8066.
      {.id = 11,
       .name = "Multi Color BPaddles 160x200",
       .sizes = {10242},
       .recognised = loaded_at({0x6000}, {"pi", "bpl"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8193, bitmap_a), screen_rams(8194, 9217, screen_a),
                        spread_screen_ram_0(screen_a), copy(9218, 10241, color_ram),
                        fill_from_file(line_background, 8066))},
      // Offsets: RECOIL's FLI Designer decoder, files of 17218 bytes.
      {.id = 12,
       .name = "Dolphins Fli 160x200",
       .sizes = {17218},
       .recognised = loaded_at({0x3C00}),
       .decode = multicolor,
       .layout = fli_designer_layout},
      // Offsets: RECOIL's Fun Paint II decoder; the background tables as MANGO (image_c64.cpp)
      // reads them.
      {.id = 13,
       .name = "Fun Paint interlace 320x200",
       .sizes = {33694},
       .recognised = loaded_at({0x3FF0}, {"fun", "fp2", "fp"}),
       .decode = two_frame_multicolor,
       .layout = fun_paint_layout},
      // Offsets: Peter Schepers' BITMAP.TXT ("Adv Art Studio").
      // Offset 9003 holds the background colour; 9002 and 9004..9017 are not used.
      {.id = 14,
       .name = "Advanced Art Studio 160x200",
       .sizes = {10018},
       .recognised = loaded_at({0x2000}, {"ocp", "mpic", "mpi"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                        spread_screen_ram_0(screen_a), fill_from_file(line_background, 9003),
                        copy(9018, 10017, color_ram))},
      // Offsets: Peter Schepers' BITMAP.TXT ("Art Studio").
      // Offset 9002 may hold the border colour; it and 9003..9008 are not used.
      {.id = 15,
       .name = "Hires Art Studio 320x200",
       .sizes = {9009},
       .recognised = loaded_at({0x2000}, {"aas", "art", "hpi"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                        spread_screen_ram_0(screen_a))},
      // Offsets: RECOIL's Drazpaint decoder, in files of 10241 bytes.
      {.id = 16,
       .name = "Draz Paint MultiColor 160x200",
       .sizes = {10241},
       .recognised = loaded_at({0x5800}, {"drz", "drp"}),
       .decode = multicolor,
       .layout = draz_paint_layout},
      // Offsets: RECOIL's UFLI-editor decoder.
      {.id = 17,
       .name = "Crest Ufli 320x200",
       .sizes = {16194},
       .recognised = loaded_at({0x4000}, {"ufl", "ufli"}),
       .decode = ufli,
       .layout = ufli_layout},
      // Offsets: Peter Schepers' BITMAP.TXT ("Koala Painter"); the files without load address as
      // RECOIL reads them.
      {.id = 18,
       .name = "Koala Painter 160x200",
       .sizes = {10003, 10006},
       .size_without_load_address = 10001,
       .recognised = loaded_at({0x6000, 0x4400}, {"koa", "kla", "koala", "gig"}),
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's GG unpacker, into Koala Painter's layout.
      {.id = 19,
       .name = "Koala Painter GG 160x200",
       .recognised = named(0x6000, {"gg"}),
       .pack = packing::fe_runs,
       .unpacked_size = 10003,
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Run Paint decoder (Koala Painter's layout).
      {.id = 20,
       .name = "Run Paint 160x200",
       .sizes = {10003, 10006},
       .recognised = named(0x6000, {"rpm"}),
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Interpaint decoder (Koala Painter's layout).
      {.id = 21,
       .name = "Interpaint Multi 160x200",
       .sizes = {10003},
       .recognised = loaded_at({0x4000}, {"ipt", "lre"}),
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Interpaint hires decoder.
      {.id = 22,
       .name = "Interpaint Hires 320x200",
       .sizes = {9002, 9003},
       .recognised = loaded_at({0x4000}, {"iph", "hre", "gig"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                        spread_screen_ram_0(screen_a))},
      // Offsets: Peter Schepers' BITMAP.TXT ("Artist 64").
      // The background is the last byte of the colour RAM's kilobyte.
      {.id = 23,
       .name = "Artist 64 160x200",
       .sizes = {10242},
       .recognised = loaded_at({0x4000}, {"a64", "wig"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8194, 9193, screen_a),
                        spread_screen_ram_0(screen_a), copy(9218, 10217, color_ram),
                        fill_from_file(line_background, 10241))},
      // Offsets: RECOIL's Rainbow Painter decoder.
      // No background colour is stored: black.
      {.id = 24,
       .name = "Rainbow Painter 160x200",
       .sizes = {10242},
       .recognised = loaded_at({0x5C00}, {"rp"}),
       .decode = multicolor,
       .layout = layout(screen_rams(2, 1001, screen_a), spread_screen_ram_0(screen_a),
                        copy(1026, 9025, bitmap_a), copy(9218, 10217, color_ram),
                        fill(line_background, 0))},
      // Offsets: RECOIL's Face Painter decoder.
      // Koala's blocks; the byte after the background is not used.
      {.id = 25,
       .name = "Face Painter 160x200",
       .sizes = {10004},
       .recognised = loaded_at({0x4000}, {"fpt", "fcp"}),
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: Peter Schepers' BITMAP.TXT ("Image System (hi)").
      {.id = 26,
       .name = "Image System Hires 320x200",
       .sizes = {9194},
       .recognised = loaded_at({0x4000}, {"ish"}),
       .decode = hires,
       .layout = hi_eddi_layout},
      // Offsets: Peter Schepers' BITMAP.TXT ("Image System (mc)").
      // The background is the last byte of the bitmap's 8 KiB.
      {.id = 27,
       .name = "Image System Multi 160x200",
       .sizes = {10218},
       .recognised = loaded_at({0x3C00}, {"ism"}),
       .decode = multicolor,
       .layout = layout(copy(2, 1001, color_ram), copy(1026, 9025, bitmap_a),
                        fill_from_file(line_background, 9217), screen_rams(9218, 10217, screen_a),
                        spread_screen_ram_0(screen_a))},
      // Offsets: Peter Schepers' BITMAP.TXT ("Vidcom 64").
      // The background is the first byte after the screen RAM's 1000.
      {.id = 28,
       .name = "Vidcom 64 160x200",
       .sizes = {10050},
       .recognised = loaded_at({0x5800}, {"vid"}),
       .decode = multicolor,
       .layout = vidcom_layout},
      // Offsets: RECOIL's Hi-Eddi decoder.
      {.id = 29,
       .name = "Hi-Eddi 320x200",
       .sizes = {9218},
       .recognised = loaded_at({0x2000}, {"hed"}),
       .decode = hires,
       .layout = hi_eddi_layout},
      // Offsets: Peter Schepers' BITMAP.TXT ("Doodle"); the other sizes and load addresses as
      // RECOIL takes them.
      // The shortest files end after the bitmap.
      {.id = 30,
       .name = "Doodle 320x200",
       .sizes = {9218, 9026, 9346},
       .recognised = loaded_at({0x5C00, 0x1C00, 0x0000}, {"dd", "ddl", "ddp"}),
       .decode = hires,
       .layout = doodle_layout},
      // Offsets: RECOIL's Paint Magic decoder.
      // The file starts with its own viewer; one colour RAM byte serves every cell, and the
      // byte after it is the border colour.
      {.id = 31,
       .name = "Paint Magic 160x200",
       .sizes = {9332},
       .recognised = loaded_at({0x3F8E}, {"pmg"}),
       .decode = multicolor,
       .layout = layout(copy(116, 8115, bitmap_a), fill_from_file(line_background, 8116),
                        fill_from_file(color_ram, 8119), screen_rams(8308, 9307, screen_a),
                        spread_screen_ram_0(screen_a))},
      // Offsets: RECOIL's Saracen Paint decoder.
      // The background sits in the unused bytes after the screen RAM's 1000.
      {.id = 32,
       .name = "Saracen Paint 160x200",
       .sizes = {10219},
       .recognised = loaded_at({0x7800}, {"sar"}),
       .decode = multicolor,
       .layout = layout(screen_rams(2, 1001, screen_a), spread_screen_ram_0(screen_a),
                        fill_from_file(line_background, 1010), copy(1026, 9025, bitmap_a),
                        copy(9218, 10217, color_ram))},
      // Offsets: Peter Schepers' BITMAP.TXT ("CDU Paint").
      // Koala's blocks after a viewer program of 273 bytes.
      {.id = 33,
       .name = "CDU-Paint 160x200",
       .sizes = {10277},
       .recognised = loaded_at({0x7EEF}, {"cdu"}),
       .decode = multicolor,
       .layout = layout(copy(275, 8274, bitmap_a), screen_rams(8275, 9274, screen_a),
                        spread_screen_ram_0(screen_a), copy(9275, 10274, color_ram),
                        fill_from_file(line_background, 10275))},
      // Offsets: RECOIL's Micro Illustrator decoder (its unpacked type).
      // A 20-byte header holds the background colour at offset 8; files packed by the program
      // itself have other sizes.
      {.id = 34,
       .name = "Micro Illustrator 160x200",
       .sizes = {10022},
       .recognised = loaded_at({0x18DC}, {"mil"}),
       .decode = multicolor,
       .layout = micro_illustrator_layout},
      // Offsets: RECOIL's hires bitmap decoder (.hbm, .fgs, .hir, .mon, .gcd).
      // The bitmap alone: set pixels white, clear ones black.
      {.id = 35,
       .name = "Hires bitmap 320x200",
       .sizes = {8002, 8194},
       .recognised = named(0x2000, {"hbm", "hir", "fgs", "mon", "gcd", "hpi"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), fill(screen_a, 0x10))},
      // Offsets: RECOIL's FLI Graph decoder.
      // A background colour for each raster line, in front of the colour RAM.
      {.id = 36,
       .name = "FLI Graph 160x200",
       .sizes = {17474},
       .recognised = loaded_at({0x3B00}, {"bml", "fli", "flg"}),
       .decode = multicolor,
       .layout = fli_graph_layout},
      // Offsets: RECOIL's HFC decoder.
      // The editor paints character rows 0..13 only, but the file holds all 25: they are
      // shown as stored, which is black where the editor left them zero.
      {.id = 37,
       .name = "Crest Hires FLI 320x200",
       .sizes = {16386},
       .recognised = loaded_at({0x4000}, {"hfc", "hfd"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8194, 16385, screen_a))},
      // Offsets: RECOIL's Hires Manager decoder.
      {.id = 38,
       .name = "Hires Manager 320x200",
       .sizes = {16385},
       .recognised = loaded_at({0x4000}, {"him"}),
       .decode = hires,
       .layout = hires_manager_layout},
      // Offsets: RECOIL's JJ unpacker, into Doodle's layout.
      // Files of 9024 data bytes end after the bitmap; those of 9216 run on to $7FFF.
      {.id = 39,
       .name = "Doodle JJ 320x200",
       .recognised = named(0x5C00, {"jj"}),
       .pack = packing::fe_runs,
       .unpacked_size = 9026,
       .longer_unpacked_size = 9218,
       .decode = hires,
       .layout = doodle_layout},
      // Offsets: RECOIL's Amica Paint unpacker; the colour cycling table as GrafX2 (c64formats.c)
      // reads it.
      // A Koala picture and a 256-byte colour cycling table, which the picture does not need.
      {.id = 40,
       .name = "Amica Paint 160x200",
       .recognised = named(0x4000, {"ami"}),
       .pack = packing::amica_runs,
       .unpacked_size = 10259,
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Drazlace unpacker.
      {.id = 41,
       .name = "Draz Lace packed 320x200",
       .recognised = named(0x5800, {"drl", "dlp"}),
       .pack = packing::drazlace_runs,
       .mark = {drazlace_mark},
       .unpacked_size = 18242,
       .decode = two_frame_multicolor,
       .layout = draz_lace_layout},
      // Offsets: RECOIL's Drazpaint unpacker; MANGO (image_c64.cpp) for the "DRAZPAINT 2.0" mark.
      {.id = 42,
       .name = "Draz Paint packed 160x200",
       .recognised = named(0x5800, {"drp", "dp", "drz"}),
       .pack = packing::drazpaint_runs,
       .mark = {drazpaint_name},
       .unpacked_size = 10051,
       .decode = multicolor,
       .layout = draz_paint_layout},
      // Offsets: RECOIL's Fun Paint II unpacker.
      {.id = 43,
       .name = "Fun Paint packed 320x200",
       .recognised = named(0x3FF0, {"fun", "fp2", "fp"}),
       .pack = packing::funpaint_runs,
       .mark = {funpaint_mark},
       .unpacked_size = 33694,
       .decode = two_frame_multicolor,
       .layout = fun_paint_layout},
      // Offsets: RECOIL's Hires Manager unpacker (MANGO's image_c64.cpp agrees).
      {.id = 44,
       .name = "Hires Manager packed 320x200",
       .recognised = named(0x4000, {"him"}),
       .pack = packing::hires_manager_backwards,
       .unpacked_size = 16385,
       .decode = hires,
       .layout = hires_manager_layout},
      // Offsets: Koala Painter's (Peter Schepers' BITMAP.TXT) in a zlib stream (RFC 1950).
      // A Koala picture without its load address, deflated whole: no C64 program wrote these.
      {.id = 45,
       .name = "Koala Painter zlib 160x200",
       .recognised = loaded_at({0x9C78}),
       .pack = packing::zlib,
       .unpacked_size = 10003,
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Cheese decoder.
      {.id = 46,
       .name = "Cheese 160x200",
       .sizes = {20482},
       .recognised = named({"che"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(16898, 17897, screen_a),
                        spread_screen_ram_0(screen_a), copy(18434, 19433, color_ram),
                        fill_from_file(line_background, 20479))},
      // Offsets: RECOIL's CWG decoder. Koala Painter's blocks, but the background comes one
      // byte later.
      {.id = 47,
       .name = "Create with Garfield 160x200",
       .sizes = {10007},
       .recognised = named({"cwg"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                        spread_screen_ram_0(screen_a), copy(9002, 10001, color_ram),
                        fill_from_file(line_background, 10003))},
      // Offsets: RECOIL's Picasso 64 decoder; the load address as GrafX2 (c64formats.c) has it.
      // The background is the byte before the bitmap.
      {.id = 48,
       .name = "Picasso 64 160x200",
       .sizes = {10050},
       .recognised = loaded_at({0x1800}, {"p64", "fly"}),
       .decode = multicolor,
       .layout = layout(copy(2, 1001, color_ram), screen_rams(1026, 2025, screen_a),
                        spread_screen_ram_0(screen_a), fill_from_file(line_background, 2049),
                        copy(2050, 10049, bitmap_a))},
      // Offsets: RECOIL's Dolphin Ed decoder: Vidcom 64's layout, in files of three sizes.
      {.id = 49,
       .name = "Dolphin Ed 160x200",
       .sizes = {10242, 10241, 10050},
       .recognised = named(0x5800, {"dol", "bed"}),
       .decode = multicolor,
       .layout = vidcom_layout},
      // Offsets: RECOIL's Centauri Logo Editor decoder. Four colours serve the whole picture:
      // the screen byte's two, the colour RAM's and the background.
      {.id = 50,
       .name = "Centauri Logo Editor 160x200",
       .sizes = {8194},
       .recognised = named({"cle"}),
       .decode = multicolor,
       .layout = layout(copy(2, 8001, bitmap_a), fill_from_file(screen_a, 8002),
                        fill_from_file(color_ram, 8003), fill_from_file(line_background, 8004))},
      // Offsets: RECOIL's hires bitmap decoder (.gih, .rpo). The bitmap alone: set pixels
      // black, clear ones white.
      {.id = 51,
       .name = "Gigapaint Hires 320x200",
       .sizes = {8002},
       .recognised = named(0x6000, {"gih", "rpo"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), fill(screen_a, 0x01))},
      // Offsets: RECOIL's CFLI Designer decoder. Eight screen RAMs and no bitmap: every cell line
      // alternates the two colours of its screen byte, the high nibble first.
      {.id = 52,
       .name = "CFLI Designer 320x200",
       .sizes = {8170},
       .recognised = named({"cfli"}),
       .decode = hires,
       .layout = layout(screen_rams(2, 8169, screen_a), fill(bitmap_a, 0xAA))},
      // Offsets: RECOIL's EMC-editor decoder. The editor shows raster lines 4..195; the file
      // holds all 200, shown as stored.
      {.id = 53,
       .name = "EMC Editor 160x200",
       .sizes = {17412},
       .recognised = named({"emc"}),
       .decode = multicolor,
       .layout = layout(screen_rams(2, 8193, screen_a), copy(8194, 16193, bitmap_a),
                        copy(16386, 17385, color_ram), fill_from_file(line_background, 17411))},
      // Offsets: RECOIL's FuckPaint decoder. Frame B's screen RAM and bitmap follow frame A's;
      // the background sits between the bitmaps.
      {.id = 54,
       .name = "FuckPaint interlace 320x200",
       .sizes = {19266},
       .recognised = named({"fp"}),
       .decode = two_frame_multicolor,
       .layout = layout(copy(2, 1001, color_ram), screen_rams(1026, 2025, screen_a),
                        spread_screen_ram_0(screen_a), screen_rams(2050, 3049, screen_b),
                        spread_screen_ram_0(screen_b), copy(3074, 11073, bitmap_a),
                        fill_from_file(line_background, 11074), copy(11266, 19265, bitmap_b))},
      // Offsets: RECOIL's Pixel Perfect decoder; the load address as MANGO (image_c64.cpp) has
      // it. IFLI: eight screen RAMs for each frame, one background.
      {.id = 55,
       .name = "Pixel Perfect 320x200",
       .sizes = {33602},
       .recognised = named(0x3C00, {"pp", "ppp"}),
       .decode = two_frame_multicolor,
       .layout = pixel_perfect_layout},
      // Offsets: RECOIL's Hires-Interlace (Feniks) decoder, with its pairing of bitmaps and
      // screens; the load address of the one real file.
      {.id = 56,
       .name = "Feniks Hires Interlace 320x200",
       .sizes = {24578},
       .recognised = loaded_at({0x2000}, {"hlf", "hie"}),
       .decode = two_frame_hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(9218, 10217, screen_b),
                        spread_screen_ram_0(screen_b), screen_rams(10242, 11241, screen_a),
                        spread_screen_ram_0(screen_a), copy(16386, 24385, bitmap_b))},
      // Offsets: RECOIL's Hireslace Editor decoder.
      {.id = 57,
       .name = "Hireslace Editor 320x200",
       .sizes = {32770},
       .recognised = named({"hle"}),
       .decode = two_frame_hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8194, 9193, screen_a),
                        spread_screen_ram_0(screen_a), screen_rams(16386, 17385, screen_b),
                        spread_screen_ram_0(screen_b), copy(24578, 32577, bitmap_b))},
      // Offsets: RECOIL's Interlace Hires Editor decoder. Two bitmaps in fixed colours: set
      // pixels black, clear ones grey.
      {.id = 58,
       .name = "Interlace Hires Editor 320x200",
       .sizes = {16194},
       .recognised = named({"ihe"}),
       .decode = two_frame_hires,
       .layout = layout(copy(2, 8001, bitmap_a), copy(8194, 16193, bitmap_b), fill(screen_a, 0x0C),
                        fill(screen_b, 0x0C))},
      // Offsets: RECOIL's Vertical Hires Interlace Editor decoder. The frames share one screen
      // RAM.
      {.id = 59,
       .name = "Vertical Hires Lace 320x200",
       .sizes = {17389},
       .recognised = named({"vhi"}),
       .decode = two_frame_hires,
       .layout = vertical_hires_lace_layout},
      // Offsets: RECOIL's ECI Graphic Editor decoder; the load address as MANGO (image_c64.cpp)
      // has it. Two hires FLI frames.
      {.id = 60,
       .name = "ECI Graphic Editor 320x200",
       .sizes = {32770},
       .recognised = named(0x4000, {"eci"}),
       .decode = two_frame_hires,
       .layout = eci_layout},
      // Offsets: RECOIL's FFLI decoder; the load address of the one real file, which starts with
      // 'f'. One bitmap and colour RAM under two sets of FLI screen RAMs and line backgrounds.
      {.id = 61,
       .name = "Flash FLI 160x200",
       .sizes = {26115},
       .recognised = loaded_at({0x3AFF}, {"ffli", "ffl"}),
       .mark = {"f"},
       .decode = two_frame_multicolor_aligned,
       .layout = layout(copy(3, 202, line_background), copy(259, 1258, color_ram),
                        screen_rams(1283, 9474, screen_a), copy(9475, 17474, bitmap_a),
                        copy_part(bitmap_a, bitmap_b), screen_rams(17667, 25858, screen_b),
                        copy(25859, 26058, line_background_b))},
      // Offsets: GoDot's own documentation of its 4Bit files, which RECOIL reads alike.
      {.id = 62,
       .name = "GoDot 4-bit 320x200",
       .sizes = {32002},
       .recognised = named({"4bt"}),
       .decode = four_bit,
       .layout = four_bit_layout},
      // Offsets: RECOIL's Vertical Hires Interlace Editor unpacker.
      {.id = 63,
       .name = "Vertical Lace packed 320x200",
       .recognised = named({"vhi"}),
       .pack = packing::vhi_commands,
       .unpacked_size = 17386,
       .decode = two_frame_hires,
       .layout = vertical_hires_lace_layout},
      // Offsets: RECOIL's ECI Graphic Editor unpacker (.ecp).
      {.id = 64,
       .name = "ECI Editor packed 320x200",
       .recognised = named(0x4000, {"ecp", "eci"}),
       .pack = packing::eci_runs,
       .unpacked_size = 32770,
       .decode = two_frame_hires,
       .layout = eci_layout},
      // Offsets: RECOIL's Pixel Perfect unpacker; the load address as MANGO (image_c64.cpp) and
      // GoDot's IFLI loader have it.
      {.id = 65,
       .name = "Pixel Perfect packed 320x200",
       .recognised = named(0x3BFC, {"pp", "ppp"}),
       .pack = packing::pixel_perfect_runs,
       .mark = {"\x10\x10\x10"},
       .unpacked_size = 33602,
       .decode = two_frame_multicolor,
       .layout = pixel_perfect_layout},
      // Offsets: RECOIL's Zoomatic unpacker, into Koala Painter's layout.
      {.id = 66,
       .name = "Zoomatic 160x200",
       .recognised = named({"zom"}),
       .pack = packing::backward_runs_escape_last,
       .unpacked_size = 10003,
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Boogie Down Paint unpacker, into Koala Painter's layout.
      {.id = 67,
       .name = "Boogie Down Paint 160x200",
       .recognised = named({"bdp"}),
       .pack = packing::boogie_down,
       .unpacked_size = 10003,
       .decode = multicolor,
       .layout = koala_layout},
      // Offsets: RECOIL's Flip unpacker; the load address as GoDot's Flip loader has it.
      {.id = 68,
       .name = "Flip packed FLI 160x200",
       .recognised = named(0x38F0, {"fbi"}),
       .pack = packing::backward_runs_escape_at_2,
       .unpacked_size = 17218,
       .decode = multicolor,
       .layout = fli_designer_layout},
      // Offsets: RECOIL's Flimatic decoder; the load address as GrafX2 (c64formats.c) has it.
      // FLI with one background colour, after the bitmap.
      {.id = 69,
       .name = "Flimatic 160x200",
       .sizes = {17410},
       .recognised = named(0x3C00, {"flm"}),
       .decode = multicolor,
       .layout = flimatic_layout},
      // Offsets: RECOIL's Flimatic unpacker. The pictures whose colour RAM is all 0, which RECOIL
      // shows in hires, are shown in multicolour.
      {.id = 70,
       .name = "Flimatic packed 160x200",
       .recognised = named({"flm"}),
       .pack = packing::backward_runs_escape_last,
       .unpacked_size = 17282,
       .decode = multicolor,
       .layout = flimatic_layout},
      // Offsets: RECOIL's True Paint unpacker, into the plain MCI layout.
      {.id = 71,
       .name = "True Paint packed 320x200",
       .recognised = named(0x0801, {"mci"}),
       .pack = packing::true_paint_backwards,
       .unpacked_size = 19434,
       .decode = two_frame_multicolor,
       .layout = true_paint_layout},
      // Offsets: RECOIL's UFLI-editor unpacker; the load address as MANGO (image_c64.cpp) has
      // it.
      {.id = 72,
       .name = "Crest Ufli packed 320x200",
       .recognised = named(0x8000, {"ufl"}),
       .pack = packing::ufli_runs,
       .unpacked_size = 16194,
       .decode = ufli,
       .layout = ufli_layout},
      // Offsets: RECOIL's FLI Graph unpacker.
      {.id = 73,
       .name = "FLI Graph packed 160x200",
       .recognised = named({"bml", "fli", "flg"}),
       .pack = packing::backward_runs_escape_at_2,
       .unpacked_size = 17474,
       .decode = multicolor,
       .layout = fli_graph_layout},
      // Offsets: RECOIL's Micro Illustrator unpacker, into the plain type's layout; the load
      // address as GrafX2 (c64formats.c) has it.
      {.id = 74,
       .name = "Micro Illustrator RLE 160x200",
       .recognised = named(0x18DC, {"mil"}),
       .pack = packing::micro_illustrator_runs,
       .unpacked_size = 10022,
       .decode = multicolor,
       .layout = micro_illustrator_layout},
      // Offsets: GoDot's own documentation of its packed 4Bit files, which RECOIL reads alike.
      {.id = 75,
       .name = "GoDot 4-bit packed 320x200",
       .recognised = named({"4bt"}),
       .pack = packing::godot_runs,
       .mark = {"GOD0", 0},
       .unpacked_size = 32002,
       .decode = four_bit,
       .layout = four_bit_layout},
      // Offsets: GoDot's own documentation of its clips, which RECOIL reads alike. The clip lies
      // at the picture's top left.
      {.id = 76,
       .name = "GoDot clip 320x200",
       .recognised = named({"clp"}),
       .pack = packing::godot_clip,
       .mark = {"GOD1", 0},
       .unpacked_size = 32002,
       .decode = four_bit,
       .layout = four_bit_layout},
      // Two FLI screens, one under the other, with the mark 'b' at offset 2 (BFLI, the
      // format's own notes); the three columns under the FLI bug are not pictured.
      {.id = 77,
       .name = "BFLI 148x400",
       .sizes = {33795},
       .recognised = loaded_at({0x3BFF}, {"bfli", "bfl"}),
       .decode = raster,
       .arrange = arrangement::bfli},
      // Byte 0 tells a screen ('B'), a double page ('G') or a clip of its own size ('P');
      // there is no load address (Printfox and Pagefox manuals, RECOIL's format notes).
      {.id = 78,
       .name = "Printfox and Pagefox pages",
       .recognised = named({"pg", "gb", "bs"}),
       .decode = raster,
       .arrange = arrangement::printfox},
      // Screen codes, border, background, the $D018 value that picks the character set, then
      // the colour RAM (PETSCII Editor; a public converter's writer).
      {.id = 79,
       .name = "PETSCII Editor 320x200",
       .sizes = {2026},
       .recognised = named(0x3000, {"pet"}),
       .decode = raster,
       .arrange = arrangement::pet},
      // Pen colour, background, border, screen codes, colour RAM (Petdraw64; the same writer).
      {.id = 80,
       .name = "Petdraw 64 320x200",
       .sizes = {2029},
       .recognised = named(0x3171, {"pdr"}),
       .decode = raster,
       .arrange = arrangement::pdr},
      // "FLUFF64", a version, the picture's type, then its cells or its screen (TRSE's
      // FLUFF writer; RECOIL's format notes).
      {.id = 81,
       .name = "FLUFF64 (TRSE)",
       .recognised = named({"flf"}),
       .decode = raster,
       .arrange = arrangement::fluff},
      // Up to 256 characters, 8 bytes each, after the load address (RECOIL's format notes).
      {.id = 82,
       .name = "Font 256x64",
       .recognised = named(0x3800, {"64c"}),
       .decode = raster,
       .arrange = arrangement::font_64c},
      // 64 characters of a Shoot-'Em-Up Construction Kit game, loaded at $0042.
      {.id = 83,
       .name = "SEUCK font 256x16",
       .sizes = {514},
       .recognised = named(0x0042, {"g"}),
       .decode = raster,
       .arrange = arrangement::seuck_font},
      // 113 characters of 9 bytes, loaded at $F0B0 (RECOIL's format notes).
      {.id = 84,
       .name = "ZS font 256x32",
       .sizes = {1026},
       .recognised = named(0xF0B0, {"zs"}),
       .decode = raster,
       .arrange = arrangement::zs_font},
      // 2000 screen codes and a multicolour character set, loaded at $1800; the longer files
      // keep their four colours after the screen (RECOIL's format notes).
      {.id = 85,
       .name = "Logo Painter 160x400",
       .sizes = {4098, 4174},
       .recognised = named(0x1800, {"lp3"}),
       .decode = raster,
       .arrange = arrangement::logo_painter},
      // Two multicolour bitmaps of six character rows and four colours (RECOIL's notes).
      {.id = 86,
       .name = "Interlace logo 320x48",
       .sizes = {4098},
       .recognised = named({"ile"}),
       .decode = raster_multicolor_lace,
       .arrange = arrangement::interlace_logo},
      // Two character sets, shown as their characters in order (Multi-Lace Editor).
      {.id = 87,
       .name = "Multi-Lace Editor 320x56",
       .sizes = {4098},
       .recognised = named({"mle"}),
       .decode = raster_multicolor_lace,
       .arrange = arrangement::multi_lace},
      // "CTM", its version (5 to 9, or 'R' for 82), a header of colours and modes, then the
      // characters, their colours, perhaps tiles, and the map (CharPad's own notes; the
      // block layout of versions 6 to 9 from a public project converter).
      {.id = 88,
       .name = "CharPad project",
       .recognised = named({"ctm"}),
       .decode = raster,
       .arrange = arrangement::charpad},
      // Offsets: RECOIL's Art Studio hires decoder, which takes files of 9003 bytes too; the
      // load address of a real one. Its size is Interpaint's, so only its extensions tell it.
      {.id = 89,
       .name = "Hires Art Studio 320x200",
       .sizes = {9003},
       .recognised = named(0x2000, {"art", "aas"}),
       .decode = hires,
       .layout = layout(copy(2, 8001, bitmap_a), screen_rams(8002, 9001, screen_a),
                        spread_screen_ram_0(screen_a))},
      // "SPD" and version 1, or the first SpritePad's headerless files: three colours, then 64
      // bytes a sprite (RECOIL's format notes).
      {.id = 90,
       .name = "SpritePad sprites",
       .recognised = named({"spd"}),
       .decode = raster,
       .arrange = arrangement::spritepad},
      // 127 sprites of a Shoot-'Em-Up Construction Kit game, loaded at $0042.
      {.id = 91,
       .name = "SEUCK sprites 416x182",
       .sizes = {8130},
       .recognised = named(0x0042, {"a"}),
       .decode = raster,
       .arrange = arrangement::seuck_sprites},
      // Its width in cells and height in cell rows, then the cells (RECOIL's Star Painter
      // decoder).
      {.id = 92,
       .name = "Star Painter hires",
       .recognised = named({"gr", "cs"}),
       .decode = raster,
       .arrange = arrangement::star_painter},
      // Two frames of a 24-column bitmap with a layer of eight sprites over each, packed when
      // byte 2 is not 0 (RECOIL's format notes).
      {.id = 93,
       .name = "ESH hires sprites lace 192x200",
       .recognised = named({"esh"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::esh},
      // Two frames, each a bitmap with two layers of sprites over its left 96 pixels
      // (RECOIL's format notes); a shorter .ish is Image System's.
      {.id = 94,
       .name = "Interlace Sprite Hires 320x200",
       .sizes = {30738},
       .recognised = named({"ish"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::ish},
      // The Super Hires pictures (RECOIL's format notes). A packed .sh1 or .sh2 file has no load
      // address: its escape byte comes first.
      {.id = 95,
       .name = "Super Hires 96x168",
       .recognised = named({"sh1"}),
       .decode = raster,
       .arrange = arrangement::sh1},
      {.id = 96,
       .name = "Super Hires 192x168",
       .recognised = named({"sh2"}),
       .decode = raster,
       .arrange = arrangement::sh2},
      {.id = 97,
       .name = "Super Hires SHE 96x88/192x168",
       .sizes = {3250, 8642},
       .recognised = named({"she"}),
       .decode = raster,
       .arrange = arrangement::she},
      {.id = 98,
       .name = "Super Hires Sprites 320x200",
       .sizes = {14338},
       .recognised = named({"shs"}),
       .decode = raster,
       .arrange = arrangement::shs},
      {.id = 99,
       .name = "Super Hires Interlace 96x200",
       .recognised = named({"shi"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::shi},
      // Packed files hold a picture of their own, 96 x 167.
      {.id = 100,
       .name = "Super Hires FLI 208x167",
       .recognised = named({"shf"}),
       .decode = raster,
       .arrange = arrangement::shf},
      {.id = 101,
       .name = "Super Hires FLI lace 96x167",
       .recognised = named({"sif"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::sif},
      {.id = 102,
       .name = "Super Hires FLI 144x168",
       .recognised = named({"shx"}),
       .decode = raster,
       .arrange = arrangement::shx},
      // Sprites, per-line sprite colours, colour RAM, eight screen RAMs, then the bitmap
      // (RECOIL's FLI-Profi decoder); loaded at $3780, its screens land at $4000, its bitmap at
      // $6000.
      {.id = 103,
       .name = "FLI-Profi 320x200",
       .sizes = {18370},
       .recognised = named(0x3780, {"fpr"}),
       .decode = raster,
       .arrange = arrangement::fpr},
      // Offsets: RECOIL's Mufflon decoder, for all three kinds; the interlaced file keeps
      // frame B's screens and sprites after frame A's. Loaded at $2100, the upper lines' screens
      // and bitmap land in the bank at $4000 and the lower lines' in the bank at $0000.
      {.id = 104,
       .name = "Mufflon 296x200",
       .sizes = {21826},
       .recognised = named(0x2100, {"muf"}),
       .decode = raster,
       .arrange = arrangement::muf},
      {.id = 105,
       .name = "Mufflon interlace 296x200",
       .sizes = {44034},
       .recognised = named(0x2100, {"mui"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::mui},
      {.id = 106,
       .name = "Mufflon packed 296x200",
       .recognised = named({"mup"}),
       .decode = raster,
       .arrange = arrangement::mup},
      // Offsets: RECOIL's NUFLI decoder, packed files too. Loaded at $2000, the lower lines'
      // bitmap and screens land in the bank at $0000 and the upper lines' in the bank at $4000.
      {.id = 107,
       .name = "NUFLI 320x200",
       .sizes = {23042},
       .recognised = named(0x2000, {"nuf"}),
       .decode = raster,
       .arrange = arrangement::nuf},
      {.id = 108,
       .name = "NUFLI packed 320x200",
       .recognised = named({"nup"}),
       .decode = raster,
       .arrange = arrangement::nup},
      // Offsets and packing: RECOIL's UIFLI decoder; the frames are UFLI's layout twice.
      {.id = 109,
       .name = "UIFLI 288x200",
       .recognised = named({"uif"}),
       .decode = raster_hires_lace,
       .arrange = arrangement::uif},
      // Its place on the screen and size, then the cells it touches, 10 bytes each (RECOIL's
      // MWI decoder).
      {.id = 110,
       .name = "MWI multicolour cells",
       .recognised = named({"mwi"}),
       .decode = raster,
       .arrange = arrangement::mwi},
      // Offsets, sprite blocks and packing: RECOIL's XFL decoder.
      {.id = 111,
       .name = "XFL 192x167",
       .recognised = named({"xfl"}),
       .decode = raster,
       .arrange = arrangement::xfl},
      // Byte 2 its kind, then the bitmap, the screen bytes and a multicolour picture's colour RAM
      // as escape runs, each part with its own escape (RECOIL's SHP decoder).
      {.id = 112,
       .name = "SHP packed bitmap",
       .recognised = named({"shp"}),
       .decode = raster,
       .arrange = arrangement::shp},
  });
}();

// Formats 1..17 are the ones that the seventeen sizes name, by size alone.
inline constexpr uint8_t size_table_formats = 17;

// The entry of a format_id, or nullptr for 0 and any number no format has.
const format_entry* format_by_id(uint8_t id);

// The display name of a format_id; "Unknown VELORA format" for 0 and any number no format has.
std::string_view format_name(uint8_t id);

// The format_id (1..17) that the seventeen sizes give a file of size bytes; 0 for any other size.
uint8_t format_id_by_size(int64_t size);

// Copies the file's bytes (file_size of them) into model as format lays them out, a packed
// format's after unpacking them into unpacked, a file without its load address's after moving
// them behind one there, and sets the model's canvas to the picture's size; every byte the
// layout does not write keeps its value. Fails, with the model untouched, when a packed file
// does not unpack to its format's size.
result<> load_picture(const format_entry& format, const file_buffer& file, uint32_t file_size,
                      file_buffer& unpacked, picture_model& model);
