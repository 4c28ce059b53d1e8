#include "tools/make-d64/d64_writer.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace {

constexpr int data_per_sector = 254;
constexpr uint8_t pad_byte = 0xA0;

struct sector_ref {
  uint8_t track = 0;
  uint8_t sector = 0;
};

// Sectors from one of a chain to the next, as the drive's DOS spaces them.
struct interleaves {
  int file;
  int directory;
};

constexpr interleaves interleaves_of(const disk_kind& kind) {
  if (&kind == &d81_kind) return {1, 1};
  if (&kind == &d71_kind) return {6, 3};
  return {10, 3};
}

// Tracks in the order files fill them: outward from the directory track, inner half first.
struct track_order {
  std::array<uint8_t, max_track_count> tracks{};
  int count = 0;

  explicit track_order(const disk_kind& kind) {
    for (int track = kind.directory_track - 1; track >= 1; --track) add(kind, track);
    for (int track = kind.directory_track + 1; track <= kind.track_count; ++track) add(kind, track);
  }
  void add(const disk_kind& kind, int track) {
    if (!is_reserved_track(kind, track)) tracks[count++] = static_cast<uint8_t>(track);
  }
};

struct allocator {
  const disk_kind& kind;
  interleaves spacing;
  track_order order;
  std::bitset<max_sector_count> used;
  int track_slot = 0;  // position in order
  int last_sector;

  explicit allocator(const disk_kind& disk)
      : kind(disk), spacing(interleaves_of(disk)), order(disk), last_sector(-spacing.file) {}

  bool is_used(int track, int sector) const { return used[kind.sector_number(track, sector)]; }
  void mark(int track, int sector) { used[kind.sector_number(track, sector)] = true; }

  // The first free sector of the track at or after sector + interleave, wrapping; -1 if full.
  int free_after(int track, int sector, int interleave) const {
    const int count = kind.sectors_per_track[track];
    for (int k = 0; k < count; ++k) {
      const int candidate = ((sector + interleave + k) % count + count) % count;
      if (!is_used(track, candidate)) return candidate;
    }
    return -1;
  }

  // The next free file sector: interleaved on the current track, else on the next tracks.
  sector_ref next() {
    for (; track_slot < order.count; ++track_slot) {
      const int track = order.tracks[track_slot];
      const int sector = free_after(track, last_sector, spacing.file);
      if (sector >= 0) {
        mark(track, sector);
        last_sector = sector;
        return {static_cast<uint8_t>(track), static_cast<uint8_t>(sector)};
      }
      last_sector = -spacing.file;
    }
    return {};
  }
};

uint8_t* sector_at(const disk_kind& kind, std::span<uint8_t> image, sector_ref ref) {
  return image.data() + kind.sector_offset(ref.track, ref.sector);
}

void put_padded(uint8_t* out, std::string_view text, size_t length) {
  for (size_t i = 0; i < length; ++i)
    out[i] = i < text.size() ? static_cast<uint8_t>(text[i]) : pad_byte;
}

// The header's name, two pad bytes, the disk id, a pad byte and the DOS type, as every drive
// lays them out, each at its own offset.
void put_name_and_id(uint8_t* out, std::string_view disk_name, std::string_view disk_id,
                     std::string_view dos_type) {
  put_padded(out, disk_name, 16);
  out[16] = pad_byte;
  out[17] = pad_byte;
  put_padded(out + 18, disk_id, 2);
  out[20] = pad_byte;
  out[21] = static_cast<uint8_t>(dos_type[0]);
  out[22] = static_cast<uint8_t>(dos_type[1]);
}

// Writes the file's chain and returns its first sector.
sector_ref write_chain(std::span<uint8_t> image, allocator& sectors,
                       std::span<const uint8_t> data) {
  const int blocks = d64_blocks_for(data.size());
  const sector_ref first = sectors.next();
  sector_ref current = first;
  for (int b = 0; b < blocks; ++b) {
    uint8_t* out = sector_at(sectors.kind, image, current);
    const size_t start = static_cast<size_t>(b) * data_per_sector;
    const size_t count = std::min<size_t>(data_per_sector, data.size() - start);
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(start), count, out + 2);
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

// Where the BAM keeps a track's free-sector count and its bitmap (bit s set: sector s free).
struct bam_entry {
  uint8_t* count;
  uint8_t* bitmap;
};

bam_entry bam_entry_of(const disk_kind& kind, std::span<uint8_t> image, int track) {
  if (&kind == &d81_kind) {
    // Two BAM sectors after the header, 40 tracks each, six bytes a track from byte 0x10.
    const auto bam_sector = static_cast<uint8_t>(1 + (track - 1) / 40);
    uint8_t* entry =
        sector_at(kind, image, {kind.directory_track, bam_sector}) + 0x10 + 6 * ((track - 1) % 40);
    return {entry, entry + 1};
  }
  uint8_t* bam = sector_at(kind, image, {kind.directory_track, 0});
  if (track <= 35) return {bam + 4 * track, bam + 4 * track + 1};
  const int side_track = track - 36;
  // The second side of a D71 keeps its counts after the disk name, its bitmaps on track 53.
  if (&kind == &d71_kind)
    return {bam + 0xDD + side_track, sector_at(kind, image, {53, 0}) + 3 * side_track};
  // Tracks 36..40 of a 40-track D64 follow the disk name, as SpeedDOS keeps them.
  return {bam + 0xC0 + 4 * side_track, bam + 0xC1 + 4 * side_track};
}

void write_bam_entries(std::span<uint8_t> image, const allocator& sectors) {
  const disk_kind& kind = sectors.kind;
  for (int track = 1; track <= kind.track_count; ++track) {
    const bam_entry entry = bam_entry_of(kind, image, track);
    for (int sector = 0; sector < kind.sectors_per_track[track]; ++sector) {
      if (sectors.is_used(track, sector)) continue;
      ++*entry.count;
      entry.bitmap[sector / 8] |= static_cast<uint8_t>(1 << (sector % 8));
    }
  }
}

// The 1541 and 1571 header: BAM sector 18/0 with the disk name at 0x90.
void write_1541_header(const disk_kind& kind, std::span<uint8_t> image, std::string_view disk_name,
                       std::string_view disk_id) {
  uint8_t* bam = sector_at(kind, image, {kind.directory_track, 0});
  bam[0] = kind.directory_track;
  bam[1] = kind.directory_sector;
  bam[2] = 0x41;                          // DOS version "A"
  if (&kind == &d71_kind) bam[3] = 0x80;  // double-sided
  put_name_and_id(bam + 0x90, disk_name, disk_id, "2A");
  put_padded(bam + 0xA7, {}, 4);
}

// The 1581 header at 40/0, then two BAM sectors at 40/1 and 40/2 that each name the disk id.
void write_1581_header(const disk_kind& kind, std::span<uint8_t> image, std::string_view disk_name,
                       std::string_view disk_id) {
  const uint8_t track = kind.directory_track;
  uint8_t* header = sector_at(kind, image, {track, 0});
  header[0] = track;
  header[1] = kind.directory_sector;
  header[2] = 'D';  // DOS version
  put_name_and_id(header + 0x04, disk_name, disk_id, "3D");
  header[0x1B] = pad_byte;
  header[0x1C] = pad_byte;
  for (uint8_t s = 1; s <= 2; ++s) {
    uint8_t* bam = sector_at(kind, image, {track, s});
    bam[0] = s == 1 ? track : 0;
    bam[1] = s == 1 ? 2 : 0xFF;
    bam[2] = 'D';
    bam[3] = static_cast<uint8_t>(~'D');
    put_padded(bam + 4, disk_id, 2);
    bam[6] = 0xC0;  // verify on, check headers on
  }
}

}  // namespace

int d64_blocks_for(size_t length) {
  return length == 0 ? 1 : static_cast<int>((length + data_per_sector - 1) / data_per_sector);
}

namespace {

// Why the files cannot go on a disk of this kind, or nothing.
std::string why_files_do_not_fit(const disk_kind& kind, std::string_view disk_name,
                                 std::string_view disk_id, std::span<const d64_file> files) {
  if (disk_name.size() > 16) return "disk name longer than 16 bytes";
  if (disk_id.size() > 2) return "disk id longer than 2 bytes";
  const int max_files = kind.directory_entries();
  if (files.size() > static_cast<size_t>(max_files))
    return "directory full: at most " + std::to_string(max_files) + " files";
  const int free_sectors = disk_file_sectors(kind);
  size_t needed = 0;
  for (const d64_file& file : files) {
    if (file.name.size() > 16) return "file name longer than 16 bytes: " + file.name;
    // Compared before summing so that a huge file cannot overflow the total.
    if (file.data.size() > static_cast<size_t>(free_sectors) * data_per_sector)
      needed = free_sectors + 1;
    else
      needed += d64_blocks_for(file.data.size());
  }
  if (needed > static_cast<size_t>(free_sectors))
    return "disk full: the files need " + std::to_string(needed) + " blocks, " +
           std::to_string(free_sectors) + " are free";
  return {};
}

// Takes the directory's sectors for this many files and links them; returns them in order.
std::array<uint8_t, max_track_count> write_directory_chain(std::span<uint8_t> image,
                                                           allocator& sectors, size_t files) {
  const disk_kind& kind = sectors.kind;
  const uint8_t directory_track = kind.directory_track;
  const int directory_sectors = std::max<int>(1, (static_cast<int>(files) + 7) / 8);
  std::array<uint8_t, max_track_count> order{};
  order[0] = kind.directory_sector;
  sectors.mark(directory_track, kind.directory_sector);
  for (int d = 1; d < directory_sectors; ++d) {
    const int sector = sectors.free_after(directory_track, order[d - 1], sectors.spacing.directory);
    order[d] = static_cast<uint8_t>(sector);
    sectors.mark(directory_track, sector);
  }
  for (int d = 0; d < directory_sectors; ++d) {
    uint8_t* out = sector_at(kind, image, {directory_track, order[d]});
    const bool last = d + 1 == directory_sectors;
    out[0] = last ? 0 : directory_track;
    out[1] = last ? 0xFF : order[d + 1];
  }
  return order;
}

}  // namespace

d64_build_result build_disk_image(const disk_kind& kind, std::string_view disk_name,
                                  std::string_view disk_id, std::span<const d64_file> files,
                                  std::span<uint8_t> image) {
  if (image.size() != static_cast<size_t>(kind.image_size))
    return {false, "image buffer is not " + std::to_string(kind.image_size) + " bytes"};
  if (std::string why = why_files_do_not_fit(kind, disk_name, disk_id, files); !why.empty())
    return {false, why};

  std::fill(image.begin(), image.end(), 0);
  allocator sectors(kind);
  const uint8_t directory_track = kind.directory_track;
  // The header and BAM sectors before the directory; the rest of the directory track stays free
  // in the BAM, but files never go there.
  for (int s = 0; s < kind.directory_sector; ++s) sectors.mark(directory_track, s);
  for (int track = 1; track <= kind.track_count; ++track) {
    if (track == directory_track || !is_reserved_track(kind, track)) continue;
    for (int s = 0; s < kind.sectors_per_track[track]; ++s) sectors.mark(track, s);
  }
  const std::array<uint8_t, max_track_count> directory_order =
      write_directory_chain(image, sectors, files.size());

  for (size_t f = 0; f < files.size(); ++f) {
    const d64_file& file = files[f];
    const sector_ref first = write_chain(image, sectors, file.data);
    uint8_t* entry =
        sector_at(kind, image, {directory_track, directory_order[f / 8]}) + (f % 8) * 32;
    const int blocks = d64_blocks_for(file.data.size());
    entry[2] = file.type_byte;
    entry[3] = first.track;
    entry[4] = first.sector;
    put_padded(entry + 5, file.name, 16);
    entry[30] = static_cast<uint8_t>(blocks & 0xFF);
    entry[31] = static_cast<uint8_t>(blocks >> 8);
  }
  if (&kind == &d81_kind)
    write_1581_header(kind, image, disk_name, disk_id);
  else
    write_1541_header(kind, image, disk_name, disk_id);
  write_bam_entries(image, sectors);
  return {true, {}};
}

d64_build_result build_d64_image(std::string_view disk_name, std::string_view disk_id,
                                 std::span<const d64_file> files,
                                 std::span<uint8_t, d64_image_size> image) {
  return build_disk_image(d64_kind, disk_name, disk_id, files, image);
}
