#include "formats/bmp_file.h"

#include <algorithm>

namespace {

constexpr uint32_t file_header_size = 14;
constexpr uint32_t info_header_size = 40;

void put_u16(std::vector<uint8_t>& out, size_t at, uint16_t value) {
  out[at] = static_cast<uint8_t>(value);
  out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void put_u32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> bmp_file_bytes(const export_bitmap& bitmap) {
  const uint32_t pixel_offset = file_header_size + info_header_size;
  const auto row_bytes = static_cast<uint32_t>(bitmap.row_bytes());
  const uint32_t image_size = row_bytes * static_cast<uint32_t>(bitmap.height);
  std::vector<uint8_t> out(pixel_offset + image_size, 0);
  out[0] = 'B';
  out[1] = 'M';
  put_u32(out, 2, pixel_offset + image_size);
  put_u32(out, 10, pixel_offset);
  put_u32(out, 14, info_header_size);
  put_u32(out, 18, static_cast<uint32_t>(bitmap.width));
  put_u32(out, 22, static_cast<uint32_t>(bitmap.height));  // positive: rows bottom-up
  put_u16(out, 26, 1);
  put_u16(out, 28, 24);
  put_u32(out, 34, image_size);
  for (int y = 0; y < bitmap.height; ++y) {
    const uint8_t* row = bitmap.row(bitmap.height - 1 - y);
    std::copy(row, row + row_bytes,
              out.begin() + pixel_offset + static_cast<size_t>(y) * row_bytes);
  }
  return out;
}

file_write_result write_bmp_file(const std::string& path, const export_bitmap& bitmap) {
  return write_file_safely(path, bmp_file_bytes(bitmap));
}
