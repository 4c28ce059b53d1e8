#pragma once
// A 35-track D64 image of files in memory, as make-d64 writes it.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "tools/make-d64/d64_writer.h"

inline std::vector<uint8_t> d64_image_of(std::span<const d64_file> files,
                                         std::string_view disk_name = "DISK") {
  std::vector<uint8_t> image(d64_image_size);
  const d64_build_result built =
      build_d64_image(disk_name, "ID", files, std::span<uint8_t, d64_image_size>(image));
  EXPECT_TRUE(built.ok) << built.error;
  return image;
}
