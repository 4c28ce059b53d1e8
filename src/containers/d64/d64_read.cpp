#include "containers/d64/d64_read.h"

#include <sys/stat.h>

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <string>

#include "base/regular_file.h"

namespace {

constexpr int entries_per_sector = 8;
constexpr int entry_size = 32;

constexpr int data_bytes_per_sector = d64_sector_size - 2;

// Follows the chain from track/sector, calling visit() with each sector read in sector_buffer,
// until visit returns false or the chain ends: at a link to track 0, or broken at a link to a
// sector that the disk does not have or that the chain has read already (so it reads each of the
// image's sectors at most once).
template <class Visit>
sector_chain walk_chain(d64_reader& reader, uint8_t track, uint8_t sector, Visit visit) {
  std::bitset<max_sector_count> walked;
  int32_t sectors = 0;
  for (;;) {
    chain_fault fault = chain_fault::none;
    if (!reader.kind->has_sector(track, sector))
      fault = chain_fault::off_the_disk;
    else if (walked[reader.kind->sector_number(track, sector)])
      fault = chain_fault::repeats_a_sector;
    if (fault != chain_fault::none)
      return {data_bytes_per_sector * sectors, {fault, track, sector}};
    walked[reader.kind->sector_number(track, sector)] = true;
    read_sector(reader, track, sector);
    ++sectors;
    const uint8_t next_track = reader.sector_buffer[0];
    if (!visit() || next_track == 0) {
      // The last sector's byte 1 indexes its last data byte; below 2 it holds none.
      const int last = std::max(reader.sector_buffer[1] - 1, 0);
      return {data_bytes_per_sector * (sectors - 1) + last, {}};
    }
    track = next_track;
    sector = reader.sector_buffer[1];
  }
}

// Stores the used entries of the directory sector in sector_buffer; false once the directory
// holds as many as the disk's directory does.
bool store_directory_sector(d64_reader& reader) {
  const auto& sector = reader.sector_buffer;
  const int most = reader.kind->directory_entries();
  for (int e = 0; e < entries_per_sector; ++e) {
    if (reader.dir_entry_count == most) return false;
    const int base = e * entry_size;
    const uint8_t type = sector[base + 2];
    // No type bits and not closed: an empty or scratched slot.
    if ((type & 0x87) == 0) continue;
    dir_entry& entry = reader.dir_entries[reader.dir_entry_count];
    entry.file_type = file_type_of(type, reader.kind->partitions);
    entry.first_track = sector[base + 3];
    entry.first_sector = sector[base + 4];
    for (int i = 0; i < 16; ++i) {
      const uint8_t byte = sector[base + 5 + i];
      entry.name[i] = byte == 0xA0 ? 0x20 : byte;
    }
    entry.blocks = static_cast<uint16_t>(sector[base + 30] | sector[base + 31] << 8);
    ++reader.dir_entry_count;
  }
  return reader.dir_entry_count < most;
}

// A directory chain that breaks ends the listing with the entries read before the break.
void walk_directory(d64_reader& reader) {
  reader.dir_entry_count = 0;
  walk_chain(reader, reader.kind->directory_track, reader.kind->directory_sector,
             [&reader] { return store_directory_sector(reader); });
}

// The kind of the image now in disk_image, or why the file is not one. Only a regular file of
// an image size is read, so the last image stays when another file is refused.
result<const disk_kind*> read_image_file(d64_reader& reader,
                                         const std::filesystem::path& file_name) {
  const result<file_descriptor> fd = open_regular_file(file_name);
  if (!fd) return failure{fd.error()};
  struct stat info {};
  if (::fstat(fd->get(), &info) != 0) return failure{"cannot be read"};
  const disk_kind* kind = disk_kind_by_size(static_cast<uintmax_t>(info.st_size));
  if (kind == nullptr)
    return failure{"is " + std::to_string(info.st_size) + " bytes, not a disk image's size (" +
                   disk_image_sizes_text() + ")"};
  const result<size_t> read = read_up_to(*fd, std::span(reader.disk_image).first(info.st_size));
  if (!read) return failure{read.error()};
  if (*read != static_cast<size_t>(info.st_size)) return failure{"ended while it was read"};
  return kind;
}

}  // namespace

void read_sector(d64_reader& reader, uint8_t track, uint8_t sector) {
  if (!reader.kind->has_sector(track, sector)) {
    reader.sector_buffer[0] = 0;
    return;
  }
  const auto start = reader.disk_image.begin() + reader.kind->sector_offset(track, sector);
  std::copy(start, start + d64_sector_size, reader.sector_buffer.begin());
}

result<> read_directory(d64_reader& reader, const std::filesystem::path& file_name) {
  const result<const disk_kind*> kind = read_image_file(reader, file_name);
  if (!kind) {
    reader.dir_entry_count = 0;
    return failure{kind.error()};
  }
  reader.kind = *kind;
  walk_directory(reader);
  return {};
}

result<> read_directory_from_bytes(d64_reader& reader, std::span<const uint8_t> image) {
  const disk_kind* kind = disk_kind_by_size(image.size());
  if (kind == nullptr) {
    reader.dir_entry_count = 0;
    return failure{"not a disk image's size"};
  }
  std::copy(image.begin(), image.end(), reader.disk_image.begin());
  reader.kind = kind;
  walk_directory(reader);
  return {};
}

void compute_prg_sizes(d64_reader& reader) {
  for (int k = 0; k < reader.dir_entry_count; ++k) {
    dir_entry& entry = reader.dir_entries[k];
    if (!is_program_file(entry.file_type)) continue;
    const sector_chain chain =
        walk_chain(reader, entry.first_track, entry.first_sector, [] { return true; });
    entry.size_bytes = chain.size_bytes;
    entry.chain = chain.end;
  }
}

sector_chain read_file_chain(d64_reader& reader, uint8_t track, uint8_t sector, file_buffer& file) {
  uint16_t index = 0;
  return walk_chain(reader, track, sector, [&] {
    for (int i = 2; i < d64_sector_size; ++i) file[index++] = reader.sector_buffer[i];
    return true;
  });
}
