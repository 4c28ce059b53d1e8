#include "output/bmp_file.h"

#include <algorithm>

#include "base/ready_room.h"

namespace {

void put_u16(std::array<uint8_t, bmp_headers_size>& out, size_t at, uint16_t value) {
  out[at] = static_cast<uint8_t>(value);
  out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void put_u32(std::array<uint8_t, bmp_headers_size>& out, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<uint8_t, bmp_headers_size> bmp_headers(int width, int height) {
  const auto image_size = static_cast<uint32_t>(bitmap_row_bytes(width) * std::max(height, 0));
  std::array<uint8_t, bmp_headers_size> out{};
  out[0] = 'B';
  out[1] = 'M';
  put_u32(out, 2, bmp_headers_size + image_size);
  put_u32(out, 10, bmp_headers_size);
  put_u32(out, 14, 40);
  put_u32(out, 18, static_cast<uint32_t>(width));
  put_u32(out, 22, static_cast<uint32_t>(height));  // positive: rows bottom-up
  put_u16(out, 26, 1);
  put_u16(out, 28, 24);
  put_u32(out, 34, image_size);
  return out;
}

result<> write_bmp_file(const std::string& path, const export_bitmap& bitmap,
                        const write_options& options) {
  const std::array<uint8_t, bmp_headers_size> headers = bmp_headers(bitmap.width, bitmap.height);
  const std::span<const uint8_t> parts[] = {headers, bitmap.rows};
  return write_file_safely(path, parts, options);
}

result<> write_bmp_file(const std::string& path, const surface& image,
                        const write_options& options) {
  const int width = image.valid() ? image.width : 0;
  const int height = image.valid() ? image.height : 0;
  const size_t stride = bitmap_row_bytes(width);
  return write_file_safely(
      path,
      [&](const file_bytes_sink& put) {
        if (!put(bmp_headers(width, height))) return false;
        // A band that stays in the cache; batches write from several threads at once.
        thread_local ready_room band;
        const size_t band_rows =
            std::max<size_t>(1, (size_t{64} << 10) / std::max<size_t>(stride, 1));
        uint8_t* rows = band.room(band_rows * stride);
        if (rows == nullptr) return false;
        for (int bottom = height - 1; bottom >= 0;) {
          size_t filled = 0;
          for (size_t k = 0; k < band_rows && bottom >= 0; ++k, --bottom, filled += stride)
            pack_bitmap_row(image, bottom, rows + filled);
          if (!put(std::span(rows, filled))) return false;
        }
        return true;
      },
      options);
}
