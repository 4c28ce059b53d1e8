#pragma once
// Layout of a 35-track 1541 disk image: 683 sectors of 256 bytes, fewer sectors on outer tracks.
#include <array>
#include <cstdint>

inline constexpr int d64_track_count = 35;
inline constexpr int d64_sector_count = 683;
inline constexpr int d64_sector_size = 256;
inline constexpr int d64_image_size = d64_sector_count * d64_sector_size;  // 174848
inline constexpr uint8_t d64_directory_track = 18;

// Indexed by track 1..35; entry 0 is unused (no track 0 exists).
inline constexpr std::array<uint8_t, 36> sectors_per_track = {
    0,  21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21,
    19, 19, 19, 19, 19, 19, 19, 18, 18, 18, 18, 18, 18, 17, 17, 17, 17, 17};

// Byte offset of each track's sector 0 in the image, indexed by track 1..35.
inline constexpr std::array<int32_t, 36> track_offsets = [] {
  std::array<int32_t, 36> offsets{};
  int32_t offset = 0;
  for (int track = 1; track <= d64_track_count; ++track) {
    offsets[track] = offset;
    offset += sectors_per_track[track] * d64_sector_size;
  }
  return offsets;
}();

// Whether track and sector name a sector of the image.
constexpr bool d64_sector_exists(int track, int sector) {
  return track >= 1 && track <= d64_track_count && sector >= 0 && sector < sectors_per_track[track];
}

// The sector's number 0..682 in image order; only for sectors that exist.
constexpr int d64_sector_number(int track, int sector) {
  return track_offsets[track] / d64_sector_size + sector;
}

static_assert(track_offsets[18] == 91392 && track_offsets[25] == 125440 &&
              track_offsets[31] == 153088 && track_offsets[35] == 170496);
static_assert(track_offsets[35] + 17 * d64_sector_size == d64_image_size);
