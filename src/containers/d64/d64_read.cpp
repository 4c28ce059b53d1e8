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

// Follows a chain from track/sector, calling visit(read_ok) after each read. It ends at a link
// to track 0, after a failed read, at a link back to a sector already read (so it reads each of
// the image's sectors at most once), or when visit returns false.
template <class Visit>
void walk_chain(d64_reader& reader, uint8_t track, uint8_t sector, Visit visit) {
  std::bitset<max_sector_count> walked;
  for (;;) {
    const bool exists = reader.kind->has_sector(track, sector);
    if (exists) {
      const int number = reader.kind->sector_number(track, sector);
      if (walked[number]) return;
      walked[number] = true;
    }
    read_sector(reader, track, sector);
    if (!visit(exists) || reader.sector_buffer[0] == 0) return;
    track = reader.sector_buffer[0];
    sector = reader.sector_buffer[1];
  }
}

// Stores the used entries of the directory sector in sector_buffer; false once the records are
// full.
bool store_directory_sector(d64_reader& reader) {
  const auto& sector = reader.sector_buffer;
  for (int e = 0; e < entries_per_sector; ++e) {
    if (reader.dir_entry_count == max_dir_entries) return false;
    const int base = e * entry_size;
    const uint8_t type = sector[base + 2];
    // No type bits and not closed: an empty or scratched slot.
    if ((type & 0x87) == 0) continue;
    dir_entry& entry = reader.dir_entries[reader.dir_entry_count];
    entry.file_type = file_type_of(type);
    entry.first_track = sector[base + 3];
    entry.first_sector = sector[base + 4];
    for (int i = 0; i < 16; ++i) {
      const uint8_t byte = sector[base + 5 + i];
      entry.name[i] = byte == 0xA0 ? 0x20 : byte;
    }
    entry.blocks = static_cast<uint16_t>(sector[base + 30] | sector[base + 31] << 8);
    ++reader.dir_entry_count;
  }
  return reader.dir_entry_count < max_dir_entries;
}

// A link to a sector that does not exist ends the directory without listing the stale
// sector_buffer again.
void walk_directory(d64_reader& reader) {
  reader.dir_entry_count = 0;
  walk_chain(reader, reader.kind->directory_track, reader.kind->directory_sector,
             [&reader](bool read_ok) { return read_ok && store_directory_sector(reader); });
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
    int32_t sectors = 0;
    walk_chain(reader, entry.first_track, entry.first_sector, [&sectors](bool) {
      ++sectors;
      return true;
    });
    // Every sector but the last carries 254 data bytes; the last one's byte 1 indexes its last.
    entry.size_bytes = 254 * (sectors - 1) + reader.sector_buffer[1] - 1;
  }
}

void read_file_chain(d64_reader& reader, uint8_t track, uint8_t sector, file_buffer& file) {
  uint16_t index = 0;
  walk_chain(reader, track, sector, [&](bool) {
    for (int i = 2; i < d64_sector_size; ++i) file[index++] = reader.sector_buffer[i];
    return true;
  });
}
