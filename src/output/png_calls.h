#pragma once
// libpng, opened the first time a PNG is read (the viewer's artwork): the commands read none,
// and the library costs every start its mapping and relocation.
#include <png.h>

constexpr const char* png_library_file = "libpng16.so.16";

struct png_calls {
  // Reading a whole picture.
  decltype(&png_image_begin_read_from_memory) begin_read_from_memory = nullptr;
  decltype(&png_image_finish_read) finish_read = nullptr;
  decltype(&png_image_free) free = nullptr;
};

// The calls, or null where libpng is not installed: then no PNG is read.
const png_calls* libpng();
