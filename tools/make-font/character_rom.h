#pragma once
// Our own character ROM, drawn in the style of the directory font: the upper-case and graphics
// set, then the lower-case set, 256 glyphs each in screen-code order, the second 128 of each set
// the first 128 in reverse video. 4096 bytes, as the C64's own ROM lays its two sets out.
#include <array>
#include <cstdint>

using character_rom_bytes = std::array<uint8_t, 4096>;

character_rom_bytes make_character_rom();
