// Fuzz harness: lists arbitrary disk images and reads every listed file, as the browser would.
// The first input byte picks the kind of image (D64, 40-track D64, D71, D81); the rest is the
// image. Built by scripts/fuzz with clang's libFuzzer and sanitizers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "containers/d64/d64_read.h"

namespace {

d64_reader reader;
file_buffer file;
std::array<uint8_t, max_image_file_size> image;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const disk_kind& kind = disk_kinds[data[0] % disk_kinds.size()];
  const std::span<const uint8_t> input(data + 1, size - 1);
  const bool is_image = disk_kind_by_size(input.size()) != nullptr;
  if (read_directory_from_bytes(reader, input).ok() != is_image) __builtin_trap();
  if (!is_image && reader.dir_entry_count != 0) __builtin_trap();

  // Inputs shorter than the kind's image are laid over a blank one from the directory track on,
  // wrapping to track 1, so that they reach the directory and the chains it names.
  const std::span<uint8_t> blank = std::span(image).first(kind.image_size);
  std::fill(blank.begin(), blank.end(), 0);
  if (input.size() >= blank.size()) {
    std::copy_n(input.begin(), blank.size(), blank.begin());
  } else {
    const size_t start = kind.track_offsets[kind.directory_track];
    for (size_t i = 0; i < input.size(); ++i) blank[(start + i) % blank.size()] = input[i];
  }
  if (!read_directory_from_bytes(reader, blank) || reader.kind != &kind) __builtin_trap();
  if (reader.dir_entry_count > max_dir_entries) __builtin_trap();
  compute_prg_sizes(reader);
  for (int k = 0; k < reader.dir_entry_count; ++k) {
    const dir_entry& entry = reader.dir_entries[k];
    read_file_chain(reader, entry.first_track, entry.first_sector, file);
  }
  return 0;
}
