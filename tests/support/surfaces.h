#pragma once
// Looking at the pixels of a surface in tests, and keeping it to look at when a test failed.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "surface/surface.h"

// How many pixels of exactly that value lie in columns x1..x2-1, rows y1..y2-1.
inline int count_pixels(const surface& s, int x1, int y1, int x2, int y2, uint32_t value) {
  int count = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) count += s.at(x, y) == value;
  return count;
}

// When the test has failed, writes the surface as NAME.ppm into the build's failed-images folder.
inline void save_image_on_failure(const surface& s, const std::string& name) {
  if (!::testing::Test::HasFailure()) return;
  std::filesystem::create_directories(VELORA_TEST_IMAGE_DIR);
  std::ofstream out(std::string(VELORA_TEST_IMAGE_DIR) + "/" + name + ".ppm", std::ios::binary);
  out << "P6\n" << s.width << " " << s.height << "\n255\n";
  for (uint32_t p : s.pixels) out << char(p >> 16) << char(p >> 8) << char(p);
}
