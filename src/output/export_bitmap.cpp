#include "output/export_bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

static_assert(std::endian::native == std::endian::little, "pixels are stored as they lie");

namespace {

void store_u32(uint8_t* out, uint32_t value) {
  std::memcpy(out, &value, 4);
}

// Four pixels 0x00RRGGBB as twelve bytes blue, green, red: three 4-byte little-endian stores.
void pack_four(const uint32_t* in, uint8_t* out) {
  store_u32(out, (in[0] & 0xFFFFFF) | in[1] << 24);
  store_u32(out + 4, (in[1] >> 8 & 0xFFFF) | in[2] << 16);
  store_u32(out + 8, (in[2] >> 16 & 0xFF) | in[3] << 8);
}

#if defined(__x86_64__)
// Four pixels at a time by one byte shuffle. Each store of 16 bytes spills 4 past its 12,
// which the next group writes over; the last group leaves room for its spill inside the row
// and returns how many pixels it packed.
__attribute__((target("ssse3"))) int pack_shuffled(const uint32_t* in, int width, uint8_t* out) {
  const __m128i blue_green_red =
      _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  int x = 0;
  for (; x + 6 <= width; x += 4, out += 12) {
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(four, blue_green_red));
  }
  return x;
}
#else
int pack_shuffled(const uint32_t*, int, uint8_t*) {
  return 0;
}
#endif

}  // namespace

size_t bitmap_row_bytes(int width) {
  return (static_cast<size_t>(std::max(width, 0)) * 3 + 3) / 4 * 4;
}

void pack_bitmap_row(const surface& source, int y, uint8_t* out) {
  const int width = source.width;
  const uint32_t* in = &source.pixels[static_cast<size_t>(y) * width];
#if defined(__x86_64__)
  static const bool shuffles = __builtin_cpu_supports("ssse3");
#else
  constexpr bool shuffles = false;
#endif
  int x = shuffles ? pack_shuffled(in, width, out) : 0;
  out += static_cast<size_t>(x) * 3;
  for (; x + 4 <= width; x += 4, out += 12) pack_four(in + x, out);
  for (; x < width; ++x) {
    *out++ = static_cast<uint8_t>(in[x]);
    *out++ = static_cast<uint8_t>(in[x] >> 8);
    *out++ = static_cast<uint8_t>(in[x] >> 16);
  }
  std::memset(out, 0, bitmap_row_bytes(width) - static_cast<size_t>(width) * 3);
}

void export_bitmap::take_surface(const surface& source) {
  width = source.valid() ? source.width : 0;
  height = source.valid() ? source.height : 0;
  const size_t stride = row_bytes();
  rows.resize(stride * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    pack_bitmap_row(source, y, rows.data() + static_cast<size_t>(height - 1 - y) * stride);
}
