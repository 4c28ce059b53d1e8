#pragma once
// What the CRT renderer draws with and the panels show: the display mode, and the inertia and
// scan-line settings, each a position in its table. The defaults are the ones at start.
#include <array>
#include <cstdint>

constexpr uint8_t display_interlaced = 0;  // two-frame pictures alternate two work surfaces
constexpr uint8_t display_static = 1;      // their frames are merged into one picture

// Inertia factor per position 0..10; a larger factor follows the target colour faster.
constexpr std::array<double, 11> inertia_table = {0.08, 0.1, 0.15, 0.2, 0.25, 0.3,
                                                  0.35, 0.4, 0.45, 0.5, 0.8};
// Brightness of the odd screen lines relative to the even ones, per position 0..9.
constexpr std::array<double, 10> scanline_table = {0.01, 0.1, 0.2, 0.3, 0.4,
                                                   0.5,  0.6, 0.7, 0.8, 0.9};

constexpr uint8_t default_inertia_index = 5;
constexpr uint8_t default_scanline_index = 6;

struct crt_settings {
  uint8_t display_mode = display_static;
  uint8_t inertia_index = default_inertia_index;
  double inertia_factor = inertia_table[default_inertia_index];
  uint8_t scanline_index = default_scanline_index;
  // Red, green and blue; always all three the same table entry.
  std::array<double, 3> scanline_factors = {scanline_table[default_scanline_index],
                                            scanline_table[default_scanline_index],
                                            scanline_table[default_scanline_index]};

  // The factors follow their positions; the caller keeps the index inside its table.
  void set_inertia_index(uint8_t index) {
    inertia_index = index;
    inertia_factor = inertia_table[index];
  }
  void set_scanline_index(uint8_t index) {
    scanline_index = index;
    scanline_factors.fill(scanline_table[index]);
  }
};
