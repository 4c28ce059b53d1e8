#pragma once
// The application state every subsystem reads or changes, with its start-up defaults.
#include <array>
#include <cstdint>
#include <string>

constexpr uint8_t display_interlaced = 0;
constexpr uint8_t display_static = 1;
constexpr uint8_t rate_each_frame = 0;
constexpr uint8_t rate_every_second_frame = 1;

// Inertia factor per position 0..10; a larger factor follows the target colour faster.
constexpr std::array<double, 11> inertia_table = {0.08, 0.1, 0.15, 0.2, 0.25, 0.3,
                                                  0.35, 0.4, 0.45, 0.5, 0.8};
// Brightness of the odd screen lines relative to the even ones, per position 0..9.
constexpr std::array<double, 10> scanline_table = {0.01, 0.1, 0.2, 0.3, 0.4,
                                                   0.5,  0.6, 0.7, 0.8, 0.9};

struct app_state {
  bool picture_shown = false;
  bool frame_toggle = true;  // true: the next presenting tick copies work surface A
  bool two_surface_picture = true;
  bool presenting = true;
  bool in_disk_image = false;
  uint8_t display_mode = display_static;
  uint8_t interlace_rate = rate_each_frame;
  uint8_t inertia_index = 5;
  double inertia_factor = inertia_table[5];
  uint8_t scanline_index = 6;
  std::array<double, 3> scanline_factors = {scanline_table[6], scanline_table[6],
                                            scanline_table[6]};
  uint8_t format_id = 0;
  std::string current_dir;
  std::string current_picture_name;
  std::string disk_image_name;

  void set_inertia_index(uint8_t index) {
    inertia_index = index;
    inertia_factor = inertia_table[index];
  }
  void set_scanline_index(uint8_t index) {
    scanline_index = index;
    scanline_factors.fill(scanline_table[index]);
  }
};
