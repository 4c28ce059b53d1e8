#include "output/png_calls.h"

#include "base/library_calls.h"

namespace {

bool load(png_calls& png) {
  // Kept loaded to the end: a batch writes one PNG after another.
  void* library = ::dlopen(png_library_file, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr &&
         find_call(library, "png_create_write_struct", png.create_write_struct) &&
         find_call(library, "png_create_info_struct", png.create_info_struct) &&
         find_call(library, "png_destroy_write_struct", png.destroy_write_struct) &&
         find_call(library, "png_get_error_ptr", png.get_error_ptr) &&
         find_call(library, "png_get_io_ptr", png.get_io_ptr) &&
         find_call(library, "png_set_write_fn", png.set_write_fn) &&
         find_call(library, "png_set_IHDR", png.set_ihdr) &&
         find_call(library, "png_set_sRGB", png.set_srgb) &&
         find_call(library, "png_write_info", png.write_info) &&
         find_call(library, "png_set_bgr", png.set_bgr) &&
         find_call(library, "png_set_filler", png.set_filler) &&
         find_call(library, "png_set_filter", png.set_filter) &&
         find_call(library, "png_set_compression_level", png.set_compression_level) &&
         find_call(library, "png_write_row", png.write_row) &&
         find_call(library, "png_write_end", png.write_end) &&
         find_call(library, "png_image_begin_read_from_memory", png.begin_read_from_memory) &&
         find_call(library, "png_image_finish_read", png.finish_read) &&
         find_call(library, "png_image_free", png.free);
}

}  // namespace

const png_calls* libpng() {
  static png_calls calls{};
  static const bool loaded = load(calls);
  return loaded ? &calls : nullptr;
}
