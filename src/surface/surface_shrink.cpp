#include "surface/surface_shrink.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

// One source row's sums across: for each target column the weighted sums of its source
// pixels' channels. Red and blue are summed together in the two halves of one 64-bit word,
// which no sum can overflow (at most 255 times a target's weight in source units).
void sum_across(const uint32_t* line, const axis_weights& across, std::vector<uint32_t>& out) {
  for (size_t x = 0; x < across.first.size(); ++x) {
    uint64_t red_blue = 0;
    uint32_t green = 0;
    const uint32_t* pixel = line + across.first[x];
    const uint32_t* weight = &across.weights[across.start[x]];
    for (int j = 0; j < across.count[x]; ++j) {
      const uint32_t p = pixel[j];
      red_blue += ((uint64_t{p & 0xFF0000} << 16) | (p & 0xFF)) * weight[j];
      green += ((p >> 8) & 0xFF) * weight[j];
    }
    out[x * 3] = static_cast<uint32_t>(red_blue >> 32);
    out[x * 3 + 1] = green;
    out[x * 3 + 2] = static_cast<uint32_t>(red_blue);
  }
}

}  // namespace

void shrink_area(const surface& source, const rect& from, surface& out) {
  const int source_width = from.x2 - from.x1;
  const int source_height = from.y2 - from.y1;
  if (!out.valid() || source_width < out.width || source_height < out.height) return;
  const axis_weights across(source_width, out.width);
  const axis_weights down(source_height, out.height);
  // Each sum is at most 255 times the area's width times its height: well inside 32 bits for
  // any area of a screen-sized surface.
  const uint32_t total = static_cast<uint32_t>(source_width) * static_cast<uint32_t>(source_height);
  const exact_divisor by_total(total);
  const size_t channels = static_cast<size_t>(out.width) * 3;
  std::vector<uint32_t> sums(channels), row(channels);
  // A source row that two target rows share is summed across once.
  int row_summed = -1;
  for (int t = 0; t < out.height; ++t) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int k = 0; k < down.count[t]; ++k) {
      const int y = down.first[t] + k;
      if (y != row_summed)
        sum_across(&source.pixels[static_cast<size_t>(from.y1 + y) * source.width + from.x1],
                   across, row);
      row_summed = y;
      const uint32_t row_weight = down.weights[down.start[t] + k];
      for (size_t c = 0; c < channels; ++c) sums[c] += row[c] * row_weight;
    }
    for (int x = 0; x < out.width; ++x) {
      uint32_t pixel = 0;
      for (int c = 0; c < 3; ++c)
        pixel = (pixel << 8) | by_total.divide(sums[x * 3 + c] + total / 2);
      out.pixels[static_cast<size_t>(t) * out.width + x] = pixel;
    }
  }
}
