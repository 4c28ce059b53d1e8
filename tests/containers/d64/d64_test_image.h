#pragma once
// Hand-built disk images for reader tests: sectors addressed by track and sector.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "containers/d64/d64_geometry.h"
#include "containers/d64/d64_read.h"

struct test_image {
  const disk_kind& kind;
  std::vector<uint8_t> bytes;

  explicit test_image(const disk_kind& disk = d64_kind)
      : kind(disk), bytes(static_cast<size_t>(disk.image_size), 0) {}

  uint8_t* sector(int track, int sector) {
    return bytes.data() + kind.sector_offset(track, sector);
  }
  void link(int track, int sector, int next_track, int next_sector) {
    this->sector(track, sector)[0] = static_cast<uint8_t>(next_track);
    this->sector(track, sector)[1] = static_cast<uint8_t>(next_sector);
  }
  // Fills bytes 2..255 with values that tell the sector and the offset apart.
  void fill_data(int track, int sector) {
    uint8_t* data = this->sector(track, sector);
    for (int i = 2; i < d64_sector_size; ++i)
      data[i] = static_cast<uint8_t>(kind.sector_number(track, sector) * 3 + i);
  }
  // Writes directory entry e of directory sector dir_sector on the directory track.
  void entry(int dir_sector, int e, uint8_t type, int track, int sector, std::string_view name,
             uint16_t blocks = 1) {
    uint8_t* out = this->sector(kind.directory_track, dir_sector) + e * 32;
    out[2] = type;
    out[3] = static_cast<uint8_t>(track);
    out[4] = static_cast<uint8_t>(sector);
    for (int i = 0; i < 16; ++i)
      out[5 + i] = i < static_cast<int>(name.size()) ? static_cast<uint8_t>(name[i]) : 0xA0;
    out[30] = static_cast<uint8_t>(blocks & 0xFF);
    out[31] = static_cast<uint8_t>(blocks >> 8);
  }
};

inline std::unique_ptr<d64_reader> make_reader() {
  return std::make_unique<d64_reader>();
}

inline std::string name_of(const dir_entry& entry) {
  return std::string(entry.name.begin(), entry.name.end());
}
