// Every format's layout, stored by the sample maker and loaded back: each byte the layout
// writes comes back as stored, and every other byte of the model is left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "formats/format_table.h"
#include "layout_store.h"

namespace {

using enum model_part;
constexpr std::array parts = {line_background, color_ram,         screen_a,
                              screen_b,        bitmap_a,          bitmap_b,
                              sprite_bank,     line_background_b, four_bit_pixels};

// Bytes that differ from their neighbours and from part to part, never 0xFE or 0xFF.
void fill_distinct(picture_model& model) {
  for (model_part part : parts) {
    const std::span<uint8_t> bytes = part_bytes(model, part);
    for (uint32_t i = 0; i < bytes.size(); ++i) {
      bytes[i] = static_cast<uint8_t>((i * 7 + (i >> 8) + static_cast<uint32_t>(part) * 31) % 254);
    }
  }
}

void fill_model(picture_model& model, uint8_t value) {
  for (model_part part : parts) std::ranges::fill(part_bytes(model, part), value);
}

std::vector<int> format_ids() {
  std::vector<int> ids;
  for (const format_entry& format : format_table)
    if (format.arrange == arrangement::none) ids.push_back(format.id);
  return ids;
}

file_buffer file;
picture_model stored, over_ff, over_fe;

class LayoutRoundTrip : public testing::TestWithParam<int> {};

TEST_P(LayoutRoundTrip, WrittenBytesComeBackAndTheRestKeepTheirSentinels) {
  const format_entry& format = *format_by_id(static_cast<uint8_t>(GetParam()));
  // Bytes the layout fills or spreads are first made what loading makes them.
  fill_distinct(stored);
  file = {};
  store_picture(format, stored, file);
  load_layout(format.layout.view(), file, stored);

  file = {};
  store_picture(format, stored, file);
  fill_model(over_ff, 0xFF);
  fill_model(over_fe, 0xFE);
  load_layout(format.layout.view(), file, over_ff);
  load_layout(format.layout.view(), file, over_fe);

  uint32_t written = 0;
  for (model_part part : parts) {
    const auto want = part_bytes(stored, part);
    const auto got = part_bytes(over_ff, part);
    const auto also = part_bytes(over_fe, part);
    for (uint32_t i = 0; i < got.size(); ++i) {
      const bool ok = got[i] == also[i] ? got[i] == want[i] : got[i] == 0xFF && also[i] == 0xFE;
      written += got[i] == also[i];
      if (!ok) {
        ADD_FAILURE() << "part " << int(part) << "[" << i << "] loads as " << int{got[i]}
                      << " over 0xFF and " << int{also[i]} << " over 0xFE, stored " << int{want[i]};
        break;
      }
    }
  }
  EXPECT_GE(written, 8000u);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, LayoutRoundTrip, testing::ValuesIn(format_ids()),
                         [](const auto& info) { return "format_" + std::to_string(info.param); });

}  // namespace
