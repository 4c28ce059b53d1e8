#pragma once
// The pixels of a PNG file as a surface holds them, to compare an exported picture with.
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <vector>

// 0x00RRGGBB, rows top-down; empty when the file cannot be read as PNG.
inline std::vector<uint32_t> png_pixels(const std::filesystem::path& path, int* width = nullptr,
                                        int* height = nullptr) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  if (width) *width = static_cast<int>(image.width);
  if (height) *height = static_cast<int>(image.height);
  std::vector<uint32_t> pixels(rgb.size() / 3);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = (rgb[i * 3] << 16) | (rgb[i * 3 + 1] << 8) | rgb[i * 3 + 2];
  return pixels;
}
