#pragma once
// libpng, opened the first time a PNG is written or read: most commands (a render to BMP, a
// listing, --version) touch no PNG, and the library costs every start its mapping and
// relocation.
#include <png.h>

constexpr const char* png_library_file = "libpng16.so.16";

struct png_calls {
  decltype(&png_image_write_to_memory) write_to_memory = nullptr;
  decltype(&png_image_begin_read_from_memory) begin_read_from_memory = nullptr;
  decltype(&png_image_finish_read) finish_read = nullptr;
  decltype(&png_image_free) free = nullptr;
};

// The calls, or null where libpng is not installed: then no PNG is written or read.
const png_calls* libpng();
