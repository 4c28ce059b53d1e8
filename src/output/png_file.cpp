#include "output/png_file.h"

#include <memory>
#include <string>

#include "output/png_calls.h"

namespace {

// Room for bytes that are all written before they are read: nothing is cleared beforehand,
// and it is kept for the next file (a batch writes one after another on each thread).
struct scratch_bytes {
  std::unique_ptr<uint8_t[]> bytes;
  size_t size = 0;

  uint8_t* room(size_t wanted) {
    if (wanted > size) {
      bytes.reset(new uint8_t[wanted]);
      size = wanted;
    }
    return bytes.get();
  }
};

}  // namespace

result<> write_png_file(const std::string& path, const surface& image,
                        const write_options& options) {
  if (!image.valid()) return failure{"Stream write error"};
  const png_calls* png_library = libpng();
  if (!png_library)
    return failure{std::string("PNG files are written by ") + png_library_file +
                   ", which cannot be opened"};
  thread_local scratch_bytes rgb_scratch, encoded_scratch;
  uint8_t* rgb = rgb_scratch.room(static_cast<size_t>(image.width) * image.height * 3);
  for (size_t i = 0, o = 0; i < image.pixels.size(); ++i, o += 3) {
    const uint32_t pixel = image.pixels[i];
    rgb[o] = static_cast<uint8_t>(pixel >> 16);
    rgb[o + 1] = static_cast<uint8_t>(pixel >> 8);
    rgb[o + 2] = static_cast<uint8_t>(pixel);
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  png.flags = PNG_IMAGE_FLAG_FAST;
  // One pass into room for the worst case: asking libpng for the size first encodes twice.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
  uint8_t* encoded = encoded_scratch.room(size);
  if (!png_library->write_to_memory(&png, encoded, &size, 0, rgb, 0, nullptr))
    return failure{"Stream write error"};
  const std::span<const uint8_t> parts[] = {std::span(encoded, size)};
  return write_file_safely(path, parts, options);
}
