#pragma once
// The 16 screen colours of the C64 colour indexes, and reading them from the configuration file.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One colour per C64 colour index, each 0x00BBGGRR (red in the low byte).
using palette_colours = std::array<uint32_t, 16>;

constexpr palette_colours default_palette = {
    0x000000, 0xFFFFFF, 0x0000A8, 0xACC604, 0x9905A4, 0x349434, 0xC30202, 0x02CDDD,
    0x024DB1, 0x002C77, 0x5252DD, 0x474747, 0x7E7E7E, 0x75FF91, 0xFF7700, 0x9C9C9C,
};

constexpr std::string_view palette_config_name = "Velora2003.cfg";
constexpr std::string_view read_beyond_end_of_file = "Read beyond end of file";

// The most of a palette file that is read.
constexpr size_t palette_file_limit = 64 * 1024;

enum class palette_load_status : uint8_t {
  applied,          // the file was read to its end or up to its 16th entry
  no_file,          // missing, not a regular file, or not readable: the defaults stand
  read_beyond_end,  // the file is empty or ends inside an entry: completed entries stand
};

// Copies default_palette into palette, then applies the entries ("$", anything up to "=",
// then RRGGBB) of the file at path in file order, at most 16, from its first 64 KiB.
palette_load_status load_palette(const std::string& path, palette_colours& palette);

// The same reading over the bytes of a configuration file already in memory (never no_file).
palette_load_status load_palette_from_bytes(std::span<const uint8_t> bytes,
                                            palette_colours& palette);
