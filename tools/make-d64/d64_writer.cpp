#include "tools/make-d64/d64_writer.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace {

constexpr int data_per_sector = 254;
constexpr int file_interleave = 10;
constexpr uint8_t pad_byte = 0xA0;

// Directory sectors on track 18 in chain order, three apart, eight entries each.
constexpr std::array<uint8_t, 18> directory_order = {1,  4,  7,  10, 13, 16, 2,  5,  8,
                                                     11, 14, 17, 3,  6,  9,  12, 15, 18};

// Tracks in the order files fill them: outward from the directory track, inner half first.
constexpr std::array<uint8_t, 34> file_track_order = {
    17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1,
    19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35};

struct sector_ref {
  uint8_t track = 0;
  uint8_t sector = 0;
};

struct allocator {
  std::bitset<d64_sector_count> used;
  int track_slot = 0;  // position in file_track_order
  int last_sector = -file_interleave;

  bool is_used(int track, int sector) const { return used[d64_sector_number(track, sector)]; }
  void mark(int track, int sector) { used[d64_sector_number(track, sector)] = true; }

  // The next free file sector: interleaved on the current track, else on the next tracks.
  sector_ref next() {
    for (; track_slot < static_cast<int>(file_track_order.size()); ++track_slot) {
      const int track = file_track_order[track_slot];
      const int count = sectors_per_track[track];
      for (int k = 0; k < count; ++k) {
        const int sector = (last_sector + file_interleave + k + count) % count;
        if (is_used(track, sector)) continue;
        mark(track, sector);
        last_sector = sector;
        return {static_cast<uint8_t>(track), static_cast<uint8_t>(sector)};
      }
      last_sector = -file_interleave;
    }
    return {};
  }
};

uint8_t* sector_at(std::span<uint8_t, d64_image_size> image, sector_ref ref) {
  return image.data() + track_offsets[ref.track] + ref.sector * d64_sector_size;
}

void put_padded(uint8_t* out, std::string_view text, size_t length) {
  for (size_t i = 0; i < length; ++i)
    out[i] = i < text.size() ? static_cast<uint8_t>(text[i]) : pad_byte;
}

// Writes the file's chain and returns its first sector.
sector_ref write_chain(std::span<uint8_t, d64_image_size> image, allocator& sectors,
                       std::span<const uint8_t> data) {
  const int blocks = d64_blocks_for(data.size());
  const sector_ref first = sectors.next();
  sector_ref current = first;
  for (int b = 0; b < blocks; ++b) {
    uint8_t* out = sector_at(image, current);
    const size_t start = static_cast<size_t>(b) * data_per_sector;
    const size_t count = std::min<size_t>(data_per_sector, data.size() - start);
    std::copy_n(data.begin() + start, count, out + 2);
    if (b + 1 < blocks) {
      const sector_ref next = sectors.next();
      out[0] = next.track;
      out[1] = next.sector;
      current = next;
    } else {
      // The last sector's byte 1 indexes its last data byte.
      out[0] = 0;
      out[1] = static_cast<uint8_t>(count + 1);
    }
  }
  return first;
}

void write_bam(std::span<uint8_t, d64_image_size> image, const allocator& sectors,
               std::string_view disk_name, std::string_view disk_id) {
  uint8_t* bam = sector_at(image, {d64_directory_track, 0});
  bam[0] = d64_directory_track;
  bam[1] = 1;
  bam[2] = 0x41;  // DOS version "A"
  for (int track = 1; track <= d64_track_count; ++track) {
    uint8_t* entry = bam + 4 * track;
    for (int sector = 0; sector < sectors_per_track[track]; ++sector) {
      if (sectors.is_used(track, sector)) continue;
      ++entry[0];
      entry[1 + sector / 8] |= static_cast<uint8_t>(1 << (sector % 8));
    }
  }
  put_padded(bam + 0x90, disk_name, 16);
  bam[0xA0] = pad_byte;
  bam[0xA1] = pad_byte;
  put_padded(bam + 0xA2, disk_id, 2);
  bam[0xA4] = pad_byte;
  bam[0xA5] = '2';
  bam[0xA6] = 'A';
  put_padded(bam + 0xA7, {}, 4);
}

}  // namespace

int d64_blocks_for(size_t length) {
  return length == 0 ? 1 : static_cast<int>((length + data_per_sector - 1) / data_per_sector);
}

d64_build_result build_d64_image(std::string_view disk_name, std::string_view disk_id,
                                 std::span<const d64_file> files,
                                 std::span<uint8_t, d64_image_size> image) {
  if (disk_name.size() > 16) return {false, "disk name longer than 16 bytes"};
  if (disk_id.size() > 2) return {false, "disk id longer than 2 bytes"};
  if (files.size() > static_cast<size_t>(d64_max_files))
    return {false, "directory full: at most " + std::to_string(d64_max_files) + " files"};
  size_t needed = 0;
  for (const d64_file& file : files) {
    if (file.name.size() > 16) return {false, "file name longer than 16 bytes: " + file.name};
    // Compared before summing so that a huge file cannot overflow the total.
    if (file.data.size() > static_cast<size_t>(d64_file_sectors) * data_per_sector)
      needed = d64_file_sectors + 1;
    else
      needed += d64_blocks_for(file.data.size());
  }
  if (needed > static_cast<size_t>(d64_file_sectors))
    return {false, "disk full: the files need " + std::to_string(needed) + " blocks, " +
                       std::to_string(d64_file_sectors) + " are free"};

  std::fill(image.begin(), image.end(), 0);
  allocator sectors;
  // Files never go on the directory track; its free sectors stay free in the BAM.
  sectors.mark(d64_directory_track, 0);

  const int directory_sectors = std::max<int>(1, (static_cast<int>(files.size()) + 7) / 8);
  for (int d = 0; d < directory_sectors; ++d) {
    uint8_t* out = sector_at(image, {d64_directory_track, directory_order[d]});
    sectors.mark(d64_directory_track, directory_order[d]);
    const bool last = d + 1 == directory_sectors;
    out[0] = last ? 0 : d64_directory_track;
    out[1] = last ? 0xFF : directory_order[d + 1];
  }

  for (size_t f = 0; f < files.size(); ++f) {
    const d64_file& file = files[f];
    const sector_ref first = write_chain(image, sectors, file.data);
    uint8_t* entry = sector_at(image, {d64_directory_track, directory_order[f / 8]}) + (f % 8) * 32;
    const int blocks = d64_blocks_for(file.data.size());
    entry[2] = file.type_byte;
    entry[3] = first.track;
    entry[4] = first.sector;
    put_padded(entry + 5, file.name, 16);
    entry[30] = static_cast<uint8_t>(blocks & 0xFF);
    entry[31] = static_cast<uint8_t>(blocks >> 8);
  }
  write_bam(image, sectors, disk_name, disk_id);
  return {true, {}};
}
