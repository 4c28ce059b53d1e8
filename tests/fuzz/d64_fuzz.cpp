// Fuzz harness: lists arbitrary disk images and reads every listed file, as the browser would.
// Built by scripts/fuzz-d64 with clang's libFuzzer and sanitizers.
#include <array>
#include <cstddef>
#include <cstdint>

#include "d64/d64_read.h"

namespace {

d64_reader reader;
file_buffer file;
std::array<uint8_t, d64_image_size> image;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  if (size < static_cast<size_t>(d64_image_size)) {
    if (read_directory_from_bytes(reader, input) || reader.dir_entry_count != 0) __builtin_trap();
    // Short inputs are laid over a blank image from the directory track on, wrapping to track 1,
    // so that they reach the directory and the chains it names.
    image.fill(0);
    for (size_t i = 0; i < size; ++i) image[(track_offsets[18] + i) % d64_image_size] = data[i];
    if (!read_directory_from_bytes(reader, image)) __builtin_trap();
  } else if (!read_directory_from_bytes(reader, input)) {
    __builtin_trap();
  }
  if (reader.dir_entry_count > max_dir_entries) __builtin_trap();
  compute_prg_sizes(reader);
  for (int k = 0; k < reader.dir_entry_count; ++k) {
    const dir_entry& entry = reader.dir_entries[k];
    read_file_chain(reader, entry.first_track, entry.first_sector, file);
  }
  return 0;
}
