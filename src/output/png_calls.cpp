#include "output/png_calls.h"

#include "base/library_calls.h"

namespace {

bool load(png_calls& png) {
  // Kept loaded to the end: every viewer form reads the artwork.
  void* library = ::dlopen(png_library_file, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr &&
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
