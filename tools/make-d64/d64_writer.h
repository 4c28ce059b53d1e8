#pragma once
// Building a sound D64 image from files in memory: BAM, directory and file chains.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "d64/d64_geometry.h"

struct d64_file {
  std::string name;          // at most 16 bytes as stored on the disk; padded with 0xA0
  uint8_t type_byte = 0x82;  // directory type byte: 0x82 is a closed PRG file
  std::span<const uint8_t> data;
};

struct d64_build_result {
  bool ok = false;
  std::string error;  // why the image could not be built, when ok is false
};

// Most files a directory of 18 sectors on track 18 holds.
inline constexpr int d64_max_files = 144;

// Sectors free for files: every sector but those of the directory track.
inline constexpr int d64_file_sectors = d64_sector_count - 19;

// Sectors a file of the given length occupies (an empty file still takes one).
int d64_blocks_for(size_t length);

// Writes a whole image into image: disk name and id (at most 16 and 2 bytes), then the files in
// directory order; refuses too many files, too long names and a full disk.
d64_build_result build_d64_image(std::string_view disk_name, std::string_view disk_id,
                                 std::span<const d64_file> files,
                                 std::span<uint8_t, d64_image_size> image);
