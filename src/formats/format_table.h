#pragma once
// The known picture formats, told apart by exact file size, and what showing each needs:
// frames, the value two_surface_picture takes, loader and decoding. This table is the only
// place that ties format numbers to behaviour.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "formats/picture_loaders.h"

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

using loader_fn = void (*)(const file_buffer&, picture_model&);

enum class decoding : uint8_t { none, two_frame_multicolor, multicolor, hires };

struct format_entry {
  uint8_t id = 0;
  // A format has one or two sizes; an unused second size is 0.
  std::array<int32_t, 2> sizes{};
  std::string_view name;
  uint8_t frames = 0;  // 0: recognised and named, but not shown
  // The value two_surface_picture takes; none leaves it as it was.
  std::optional<bool> two_surface_picture;
  loader_fn loader = nullptr;
  decoding decode = decoding::none;
};

namespace format_detail {
constexpr format_entry entry(uint8_t id, std::array<int32_t, 2> sizes, uint8_t frames,
                             loader_fn loader, decoding decode) {
  format_entry e{id, sizes, format_names[id], frames, std::nullopt, loader, decode};
  if (frames != 0) e.two_surface_picture = frames == 2;
  return e;
}
}  // namespace format_detail

// Formats 1..17 in order: entry k has id k + 1.
inline constexpr std::array<format_entry, 17> format_table = {
    format_detail::entry(1, {33602, 33603}, 2, load_gun_paint, decoding::two_frame_multicolor),
    format_detail::entry(2, {34050, 0}, 2, load_pc64_fli_interlace, decoding::two_frame_multicolor),
    format_detail::entry(3, {17666, 0}, 1, load_pc64_fli, decoding::multicolor),
    format_detail::entry(4, {17665, 0}, 1, load_saga_fli, decoding::multicolor),
    format_detail::entry(5, {17409, 17410}, 1, load_3c00_fli, decoding::multicolor),
    format_detail::entry(6, {18242, 0}, 2, load_draz_lace, decoding::two_frame_multicolor),
    format_detail::entry(7, {19434, 0}, 2, load_multicolor_interlace,
                         decoding::two_frame_multicolor),
    format_detail::entry(8, {16385, 0}, 1, load_topaz_afli, decoding::hires),
    format_detail::entry(9, {9217, 0}, 1, load_topaz_hires, decoding::hires),
    format_detail::entry(10, {16386, 0}, 2, load_mono_mci, decoding::two_frame_multicolor),
    format_detail::entry(11, {10242, 0}, 1, load_bpaddles, decoding::multicolor),
    format_detail::entry(12, {17218, 0}, 1, load_dolphin_fli, decoding::multicolor),
    format_detail::entry(13, {33694, 0}, 2, load_fun_paint, decoding::two_frame_multicolor),
    format_detail::entry(14, {10018, 0}, 1, load_art_studio, decoding::multicolor),
    format_detail::entry(15, {9009, 0}, 0, nullptr, decoding::none),
    format_detail::entry(16, {10241, 0}, 1, load_draz_paint, decoding::multicolor),
    format_detail::entry(17, {16194, 0}, 0, nullptr, decoding::none),
};

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
