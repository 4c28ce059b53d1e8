#pragma once
// Layouts of the disk images read: tracks of 256-byte sectors, numbered from track 1, sector 0.
// An image file holds its sectors in track order, optionally followed by one error byte each.
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

inline constexpr int d64_sector_size = 256;
inline constexpr int max_track_count = 80;

// Tracks up to last_track (from the end of the previous zone) hold this many sectors.
struct track_zone {
  uint8_t last_track;
  uint8_t sectors;
};

struct disk_kind {
  std::string_view name;  // "D64", "D71" or "D81": the browser's marker
  uint8_t track_count = 0;
  std::array<uint8_t, max_track_count + 1> sectors_per_track{};  // by track; 0 is no track
  std::array<int32_t, max_track_count + 1> track_offsets{};      // byte offset of sector 0
  int sector_count = 0;
  int32_t image_size = 0;  // the sectors alone
  uint8_t directory_track = 0;
  uint8_t directory_sector = 0;  // first sector of the directory chain
  bool partitions = false;       // type 5 is a partition (CBM), as on a 1581

  // Entries the directory holds: eight per sector of the directory track from the chain's first.
  constexpr int directory_entries() const {
    return (sectors_per_track[directory_track] - directory_sector) * 8;
  }

  // A file of the sectors followed by one error byte per sector.
  constexpr int32_t image_size_with_errors() const { return image_size + sector_count; }

  constexpr bool has_sector(int track, int sector) const {
    return track >= 1 && track <= track_count && sector >= 0 && sector < sectors_per_track[track];
  }
  // The sector's number in image order; only for sectors that exist.
  constexpr int sector_number(int track, int sector) const {
    return track_offsets[track] / d64_sector_size + sector;
  }
  constexpr int32_t sector_offset(int track, int sector) const {
    return track_offsets[track] + sector * d64_sector_size;
  }
};

constexpr disk_kind make_disk_kind(std::string_view name, std::initializer_list<track_zone> zones,
                                   uint8_t directory_track, uint8_t directory_sector,
                                   bool partitions = false) {
  disk_kind kind;
  kind.name = name;
  int32_t offset = 0;
  for (const track_zone& zone : zones) {
    while (kind.track_count < zone.last_track) {
      const int track = ++kind.track_count;
      kind.sectors_per_track[track] = zone.sectors;
      kind.track_offsets[track] = offset;
      offset += zone.sectors * d64_sector_size;
      kind.sector_count += zone.sectors;
    }
  }
  kind.image_size = offset;
  kind.directory_track = directory_track;
  kind.directory_sector = directory_sector;
  kind.partitions = partitions;
  return kind;
}

// The 1541 zones; a 1571 disk's second side (tracks 36..70) repeats them.
inline constexpr std::array<disk_kind, 4> disk_kinds = {
    make_disk_kind("D64", {{17, 21}, {24, 19}, {30, 18}, {35, 17}}, 18, 1),
    make_disk_kind("D64", {{17, 21}, {24, 19}, {30, 18}, {40, 17}}, 18, 1),
    make_disk_kind("D71",
                   {{17, 21}, {24, 19}, {30, 18}, {35, 17}, {52, 21}, {59, 19}, {65, 18}, {70, 17}},
                   18, 1),
    make_disk_kind("D81", {{80, 40}}, 40, 3, true),
};
inline constexpr const disk_kind& d64_kind = disk_kinds[0];
inline constexpr const disk_kind& d64_40_track_kind = disk_kinds[1];
inline constexpr const disk_kind& d71_kind = disk_kinds[2];
inline constexpr const disk_kind& d81_kind = disk_kinds[3];

// The standard 35-track image.
inline constexpr int d64_image_size = 174848;

inline constexpr int max_sector_count =
    std::max_element(
        disk_kinds.begin(), disk_kinds.end(),
        [](const disk_kind& a, const disk_kind& b) { return a.sector_count < b.sector_count; })
        ->sector_count;
// Entries of the largest directory.
inline constexpr int max_directory_entries =
    std::max_element(disk_kinds.begin(), disk_kinds.end(),
                     [](const disk_kind& a, const disk_kind& b) {
                       return a.directory_entries() < b.directory_entries();
                     })
        ->directory_entries();
// Sectors and error bytes of the largest image.
inline constexpr int32_t max_image_file_size = max_sector_count * (d64_sector_size + 1);

// The kind of an image file of exactly this many bytes, or nullptr when no kind has that size.
constexpr const disk_kind* disk_kind_by_size(uintmax_t file_size) {
  for (const disk_kind& kind : disk_kinds) {
    if (file_size == static_cast<uintmax_t>(kind.image_size) ||
        file_size == static_cast<uintmax_t>(kind.image_size_with_errors()))
      return &kind;
  }
  return nullptr;
}

// The kind as people tell it: "D64 35 tracks", "D64 40 tracks", "D71", "D81".
std::string disk_kind_text(const disk_kind& kind);

// The accepted file sizes by kind, for messages: "D64 174848, 175531, 196608 or 197376 bytes, ...".
std::string disk_image_sizes_text();

static_assert(d64_kind.track_offsets[18] == 91392 && d64_kind.track_offsets[25] == 125440 &&
              d64_kind.track_offsets[31] == 153088 && d64_kind.track_offsets[35] == 170496);
static_assert(d64_kind.image_size == d64_image_size && d64_kind.sector_count == 683);
static_assert(d64_40_track_kind.image_size == 196608 && d71_kind.image_size == 349696 &&
              d81_kind.image_size == 819200);
static_assert(max_sector_count == 3200 && max_image_file_size == 822400);
static_assert(d64_kind.directory_entries() == 144 && d71_kind.directory_entries() == 144 &&
              d81_kind.directory_entries() == 296 && max_directory_entries == 296);
