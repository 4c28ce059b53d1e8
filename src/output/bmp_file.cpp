#include "output/bmp_file.h"

namespace {

void put_u16(std::array<uint8_t, bmp_headers_size>& out, size_t at, uint16_t value) {
  out[at] = static_cast<uint8_t>(value);
  out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void put_u32(std::array<uint8_t, bmp_headers_size>& out, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<uint8_t, bmp_headers_size> bmp_headers(const export_bitmap& bitmap) {
  const auto image_size = static_cast<uint32_t>(bitmap.row_bytes() * bitmap.height);
  std::array<uint8_t, bmp_headers_size> out{};
  out[0] = 'B';
  out[1] = 'M';
  put_u32(out, 2, bmp_headers_size + image_size);
  put_u32(out, 10, bmp_headers_size);
  put_u32(out, 14, 40);
  put_u32(out, 18, static_cast<uint32_t>(bitmap.width));
  put_u32(out, 22, static_cast<uint32_t>(bitmap.height));  // positive: rows bottom-up
  put_u16(out, 26, 1);
  put_u16(out, 28, 24);
  put_u32(out, 34, image_size);
  return out;
}

result<> write_bmp_file(const std::string& path, const export_bitmap& bitmap,
                        const write_options& options) {
  const std::array<uint8_t, bmp_headers_size> headers = bmp_headers(bitmap);
  const std::span<const uint8_t> parts[] = {headers, bitmap.rows};
  return write_file_safely(path, parts, options);
}
