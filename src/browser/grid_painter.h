#pragma once
// Painting the browser grid into its own surface, which the shell composes over the display.
// Colours given here are canvas colours 0x00BBGGRR.
#include <cstdint>
#include <string_view>

#include "browser/tdir.h"
#include "surface/surface.h"

inline constexpr uint32_t grid_header_colour = 0xC0C0C0;
inline constexpr uint32_t grid_background_colour = 0x8B8B9B;
inline constexpr uint32_t grid_selection_bar_colour = 0xAAAAAA;
inline constexpr uint32_t grid_selection_line_colour = 0x444444;
inline constexpr uint32_t grid_format_text_colour = 0x505050;
inline constexpr uint32_t grid_text_colour = 0x102030;
inline constexpr uint32_t grid_dir_text_colour = 0xFFFFFF;
inline constexpr uint32_t grid_drive_text_colour = 0xA0F0FF;
inline constexpr uint32_t grid_d64_text_colour = 0x80E0FF;
inline constexpr std::string_view directory_font_face = "cbm-directory-charset/qz!";

// Paints the cell of column col, row row into its rectangle (grid coordinates, right and
// bottom excluded); the text is clipped to the cell.
void tdirDrawCell(surface& target, const tdir& grid, int col, int row, const rect& cell);

// Paints the header and the rows in view into a grid_width x grid_height surface, with the
// background colour wherever no row lies; rows outside the view are not touched.
void paint_grid(surface& target, const tdir& grid);
