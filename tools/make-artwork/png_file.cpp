#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool write_png(const std::string& path, const rgba_image& img) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(img.width);
  image.height = static_cast<png_uint_32>(img.height);
  image.format = PNG_FORMAT_RGBA;
  const void* pixels = img.pixels.data();  // rgba is four bytes in R, G, B, A order
  static_assert(sizeof(rgba) == 4);

  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels, 0, nullptr)) return false;
  std::vector<unsigned char> encoded(size);
  if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, pixels, 0, nullptr))
    return false;

  const std::string temporary = path + ".tmp";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(encoded.data(), 1, size, f) == size;
  const bool closed = std::fclose(f) == 0;
  if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}
