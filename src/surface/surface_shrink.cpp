#include "surface/surface_shrink.h"

#include <algorithm>
#include <cstdint>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "surface/exact_divisor.h"

namespace {

// How the source pixels of one axis fall into the target pixels: target pixel t covers source
// pixels first[t] .. first[t] + count[t] - 1, pixel first[t] + k with the weight
// weights[start[t] + k]. Weights are in units where a source pixel is target_size long, so
// that each target pixel's weights add up to source_size.
struct axis_weights {
  std::vector<int> first, count, start;
  std::vector<uint32_t> weights;

  axis_weights(int source_size, int target_size) {
    for (int t = 0; t < target_size; ++t) {
      const int64_t begin = int64_t{t} * source_size, end = begin + source_size;
      first.push_back(static_cast<int>(begin / target_size));
      start.push_back(static_cast<int>(weights.size()));
      for (int s = first.back(); int64_t{s} * target_size < end; ++s) {
        const int64_t from = std::max(begin, int64_t{s} * target_size);
        const int64_t to = std::min(end, int64_t{s + 1} * target_size);
        weights.push_back(static_cast<uint32_t>(to - from));
      }
      count.push_back(static_cast<int>(weights.size()) - start.back());
    }
  }
};

}  // namespace

shrunk_size fit_within(int width, int height, int longest) {
  if (width <= 0 || height <= 0) return {};
  longest = std::max(longest, 1);
  if (std::max(width, height) <= longest) return {width, height};
  if (width >= height)
    return {longest,
            std::max(1, static_cast<int>((int64_t{height} * longest + width / 2) / width))};
  return {std::max(1, static_cast<int>((int64_t{width} * longest + height / 2) / height)), longest};
}

namespace {

// One pixel's channels, blue, green, red and the unused top byte, as 32-bit lanes: a weighted
// sum of a channel is at most 255 times the area's width times its height, well inside 32 bits
// for any area of a screen-sized surface.
using channel_sums [[gnu::vector_size(16)]] = uint32_t;

// The column sums of the rows under one target row, from column x on: each channel of each
// column weighted by how much of each row lies under the target row.
void sum_down(const uint32_t* top, size_t stride, const uint32_t* weights, int count,
              channel_sums* columns, int x, int width) {
  for (; x < width; ++x) {
    channel_sums sums{};
    for (int k = 0; k < count; ++k) {
      const uint32_t p = top[k * stride + x];
      sums += channel_sums{p & 0xFF, p >> 8 & 0xFF, p >> 16 & 0xFF, 0} * weights[k];
    }
    columns[x] = sums;
  }
}

#if defined(__SSE2__)
// The same, four columns at a time, two rows at a time; returns how many columns it summed. One
// multiply-add (pmaddwd) takes a channel of both rows as 16-bit lanes, so the weights must be
// below 2^15.
int sum_down_in_pairs(const uint32_t* top, size_t stride, const uint32_t* weights, int count,
                      channel_sums* columns, int width) {
  const __m128i zero = _mm_setzero_si128();
  int x = 0;
  for (; x + 4 <= width; x += 4) {
    __m128i sums0 = zero, sums1 = zero, sums2 = zero, sums3 = zero;
    for (int k = 0; k < count; k += 2) {
      // A last row without a partner is paired with itself, weighed 0.
      const bool pair = k + 1 < count;
      const uint32_t* a = top + k * stride + x;
      const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
      const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pair ? a + stride : a));
      const __m128i w =
          _mm_set1_epi32(static_cast<int>(weights[k] | (pair ? weights[k + 1] : 0) << 16));
      // Each byte of a beside the same byte of b: pixels x, x + 1, then x + 2, x + 3.
      const __m128i low = _mm_unpacklo_epi8(pa, pb), high = _mm_unpackhi_epi8(pa, pb);
      sums0 = _mm_add_epi32(sums0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), w));
      sums1 = _mm_add_epi32(sums1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), w));
      sums2 = _mm_add_epi32(sums2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), w));
      sums3 = _mm_add_epi32(sums3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), w));
    }
    columns[x] = reinterpret_cast<channel_sums>(sums0);
    columns[x + 1] = reinterpret_cast<channel_sums>(sums1);
    columns[x + 2] = reinterpret_cast<channel_sums>(sums2);
    columns[x + 3] = reinterpret_cast<channel_sums>(sums3);
  }
  return x;
}
#else
int sum_down_in_pairs(const uint32_t*, size_t, const uint32_t*, int, channel_sums*, int) {
  return 0;
}
#endif

// One target row from its column sums: each pixel the weighted sum of the columns it covers,
// divided by the area. The 32-bit multiply (pmulld) came with SSE4.1; SSE2 takes five steps.
[[gnu::target_clones("sse4.1", "default")]] void sum_across(const channel_sums* columns,
                                                            const axis_weights& across,
                                                            uint32_t total,
                                                            const exact_divisor& by_total,
                                                            uint32_t* out) {
  for (size_t x = 0; x < across.first.size(); ++x) {
    const channel_sums* column = &columns[across.first[x]];
    const uint32_t* weight = &across.weights[across.start[x]];
    channel_sums sums{};
    for (int j = 0; j < across.count[x]; ++j) sums += column[j] * weight[j];
    const auto mean = [&](int c) { return by_total.divide(sums[c] + total / 2); };
    out[x] = mean(2) << 16 | mean(1) << 8 | mean(0);
  }
}

}  // namespace

void shrink_area(const surface& source, const rect& from, surface& out) {
  const int source_width = from.x2 - from.x1;
  const int source_height = from.y2 - from.y1;
  if (!out.valid() || source_width < out.width || source_height < out.height) return;
  const axis_weights across(source_width, out.width);
  const axis_weights down(source_height, out.height);
  const uint32_t total = static_cast<uint32_t>(source_width) * static_cast<uint32_t>(source_height);
  const exact_divisor by_total(total);
  // Rows summed in pairs take weights below 2^15, and a row's weight is at most out.height.
  const bool row_pairs = out.height < (1 << 15);
  std::vector<channel_sums> columns(static_cast<size_t>(source_width));
  for (int t = 0; t < out.height; ++t) {
    // Down first, where neighbouring pixels take the same weights, four at a time; then across.
    const uint32_t* top =
        &source.pixels[static_cast<size_t>(from.y1 + down.first[t]) * source.width + from.x1];
    const uint32_t* weights = &down.weights[down.start[t]];
    const int x = row_pairs ? sum_down_in_pairs(top, source.width, weights, down.count[t],
                                                columns.data(), source_width)
                            : 0;
    sum_down(top, source.width, weights, down.count[t], columns.data(), x, source_width);
    sum_across(columns.data(), across, total, by_total,
               &out.pixels[static_cast<size_t>(t) * out.width]);
  }
}
