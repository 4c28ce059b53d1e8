#pragma once
// libpng, opened the first time a PNG is written or read: most commands (a render to BMP, a
// listing, --version) touch no PNG, and the library costs every start its mapping and
// relocation.
#include <png.h>

constexpr const char* png_library_file = "libpng16.so.16";

struct png_calls {
  // Writing, row by row.
  decltype(&png_create_write_struct) create_write_struct = nullptr;
  decltype(&png_create_info_struct) create_info_struct = nullptr;
  decltype(&png_destroy_write_struct) destroy_write_struct = nullptr;
  decltype(&png_get_error_ptr) get_error_ptr = nullptr;
  decltype(&png_get_io_ptr) get_io_ptr = nullptr;
  decltype(&png_set_write_fn) set_write_fn = nullptr;
  decltype(&png_set_IHDR) set_ihdr = nullptr;
  decltype(&png_set_sRGB) set_srgb = nullptr;
  decltype(&png_write_info) write_info = nullptr;
  decltype(&png_set_bgr) set_bgr = nullptr;
  decltype(&png_set_filler) set_filler = nullptr;
  decltype(&png_set_filter) set_filter = nullptr;
  decltype(&png_set_compression_level) set_compression_level = nullptr;
  decltype(&png_write_row) write_row = nullptr;
  decltype(&png_write_end) write_end = nullptr;
  // Reading a whole picture.
  decltype(&png_image_begin_read_from_memory) begin_read_from_memory = nullptr;
  decltype(&png_image_finish_read) finish_read = nullptr;
  decltype(&png_image_free) free = nullptr;
};

// The calls, or null where libpng is not installed: then no PNG is written or read.
const png_calls* libpng();
