// Fuzz harness: arbitrary bytes as the palette configuration file.
#include <cstddef>
#include <cstdint>

#include "render/palette.h"

namespace {

palette_colours palette;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const palette_load_status status = load_palette_from_bytes({data, size}, palette);
  if (status == palette_load_status::no_file) __builtin_trap();
  // Every colour is 0x00BBGGRR: the top byte stays clear whatever the file holds.
  for (const uint32_t colour : palette) {
    if (colour > 0xFFFFFF) __builtin_trap();
  }
  return 0;
}
