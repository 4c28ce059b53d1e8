#include "imaging/disk_image_picture.h"

#include <algorithm>

#include "listing/d64_rows.h"

result<picture_image> draw_first_disk_picture(std::span<const uint8_t> image,
                                              const palette_colours& palette,
                                              picture_workspace& work, d64_reader& disk) {
  if (const result<> listed = read_directory_from_bytes(disk, image); !listed)
    return failure{"cannot read the disk image: " + listed.error()};
  compute_prg_sizes(disk);
  for (uint16_t i = 0; i < disk.dir_entry_count; ++i) {
    const dir_entry& entry = disk.dir_entries[i];
    const format_entry* format = format_by_id(entry_picture_format(disk, entry));
    if (format == nullptr) continue;
    clear_picture_workspace(work);
    read_file_chain(disk, entry.first_track, entry.first_sector, work.file);
    const auto size = static_cast<uint32_t>(std::clamp<int32_t>(entry.size_bytes, 0, 65536));
    if (result<picture_image> drawn = draw_loaded_picture(*format, size, palette, work))
      return drawn;
  }
  return failure{"the disk image holds no picture that can be shown"};
}
