#pragma once
// Building a sound disk image (D64, D71 or D81) from files in memory: BAM, directory and chains.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "containers/d64/d64_geometry.h"

struct d64_file {
  std::string name;          // at most 16 bytes as stored on the disk; padded with 0xA0
  uint8_t type_byte = 0x82;  // directory type byte: 0x82 is a closed PRG file
  std::span<const uint8_t> data;
};

struct d64_build_result {
  bool ok = false;
  std::string error;  // why the image could not be built, when ok is false
};

// Tracks that never hold files: the directory track and, on a D71, track 53, which holds the
// second side's BAM.
constexpr bool is_reserved_track(const disk_kind& kind, int track) {
  return track == kind.directory_track || (&kind == &d71_kind && track == 53);
}

// Sectors free for files: every sector of the other tracks.
constexpr int disk_file_sectors(const disk_kind& kind) {
  int sectors = 0;
  for (int track = 1; track <= kind.track_count; ++track)
    if (!is_reserved_track(kind, track)) sectors += kind.sectors_per_track[track];
  return sectors;
}

inline constexpr int d64_max_files = d64_kind.directory_entries();
inline constexpr int d64_file_sectors = disk_file_sectors(d64_kind);
static_assert(d64_max_files == 144 && d64_file_sectors == 683 - 19);

// Sectors a file of the given length occupies (an empty file still takes one).
int d64_blocks_for(size_t length);

// Writes a whole image of the kind into image (exactly its image_size, no error bytes): disk name
// and id (at most 16 and 2 bytes), then the files in directory order; refuses too many files, too
// long names and a full disk.
d64_build_result build_disk_image(const disk_kind& kind, std::string_view disk_name,
                                  std::string_view disk_id, std::span<const d64_file> files,
                                  std::span<uint8_t> image);

// A 35-track D64 image.
d64_build_result build_d64_image(std::string_view disk_name, std::string_view disk_id,
                                 std::span<const d64_file> files,
                                 std::span<uint8_t, d64_image_size> image);
