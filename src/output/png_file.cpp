#include "output/png_file.h"

#include <png.h>

#include <vector>

result<> write_png_file(const std::string& path, const surface& image,
                        const write_options& options) {
  if (!image.valid()) return failure{"Stream write error"};
  std::vector<uint8_t> rgb(static_cast<size_t>(image.width) * image.height * 3);
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
  std::vector<uint8_t> encoded(PNG_IMAGE_PNG_SIZE_MAX(png));
  png_alloc_size_t size = encoded.size();
  if (!png_image_write_to_memory(&png, encoded.data(), &size, 0, rgb.data(), 0, nullptr))
    return failure{"Stream write error"};
  const std::span<const uint8_t> parts[] = {std::span(encoded).first(size)};
  return write_file_safely(path, parts, options);
}
