#include "d64/d64_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bitset>
#include <cerrno>

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

// Reads the whole file into disk_image; its size, or -1 on a read error or when it is longer
// than any image.
ssize_t read_image_bytes(int fd, d64_reader& reader) {
  ssize_t total = 0;
  while (total < max_image_file_size) {
    const ssize_t got = ::read(fd, reader.disk_image.data() + total, max_image_file_size - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) return total;
    total += got;
  }
  uint8_t beyond = 0;
  ssize_t got = 0;
  do {
    got = ::read(fd, &beyond, 1);
  } while (got < 0 && errno == EINTR);
  return got == 0 ? total : -1;
}

// The kind of the image now in disk_image, or nullptr when the file is not one.
const disk_kind* read_image_file(d64_reader& reader, const std::filesystem::path& file_name) {
  const int fd = ::open(file_name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  bool readable = ::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  // A regular file of no image size is refused before it overwrites the last image.
  if (readable && S_ISREG(info.st_mode) && disk_kind_by_size(info.st_size) == nullptr)
    readable = false;
  const ssize_t size = readable ? read_image_bytes(fd, reader) : -1;
  ::close(fd);
  return size < 0 ? nullptr : disk_kind_by_size(size);
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

bool read_directory(d64_reader& reader, const std::filesystem::path& file_name) {
  const disk_kind* kind = read_image_file(reader, file_name);
  if (kind == nullptr) {
    reader.dir_entry_count = 0;
    return false;
  }
  reader.kind = kind;
  walk_directory(reader);
  return true;
}

bool read_directory_from_bytes(d64_reader& reader, std::span<const uint8_t> image) {
  const disk_kind* kind = disk_kind_by_size(image.size());
  if (kind == nullptr) {
    reader.dir_entry_count = 0;
    return false;
  }
  std::copy(image.begin(), image.end(), reader.disk_image.begin());
  reader.kind = kind;
  walk_directory(reader);
  return true;
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
