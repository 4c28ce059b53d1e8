#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <set>
#include <span>
#include <string>
#include <utility>

#include "formats/format_table.h"
#include "formats/four_bit_colours.h"
#include "formats/identify.h"
#include "formats/ufli_sprites.h"
#include "sample_formats.h"

namespace {

sample_workspace work;
picture_model loaded;

std::string name_of(const sample_format& sample) {
  return std::string(sample.file_name);
}

void expect_same(std::span<const uint8_t> actual, std::span<const uint8_t> want,
                 const std::string& what) {
  const auto mismatch = std::mismatch(actual.begin(), actual.end(), want.begin());
  if (mismatch.first == actual.end()) return;
  ADD_FAILURE() << what << "[" << (mismatch.first - actual.begin()) << "] loads as "
                << int{*mismatch.first} << ", encoded " << int{*mismatch.second};
}

// The colour index a multicolour frame shows for pair column m of line y; frame B takes its own
// line backgrounds where the format has them.
uint8_t multicolour_pixel(const picture_model& model, int frame, int m, int y,
                          bool own_backgrounds) {
  const auto& bitmap = frame == 0 ? model.bitmap_a : model.bitmap_b;
  const auto& screen = frame == 0 ? model.screen_a : model.screen_b;
  const auto& background =
      frame == 1 && own_backgrounds ? model.line_background_b : model.line_background;
  const int cell = y / 8 * 40 + m / 4;
  const int bits = bitmap[cell * 8 + y % 8] >> (6 - 2 * (m % 4)) & 3;
  const uint8_t screen_byte = screen[cell * 8 + y % 8];
  switch (bits) {
    case 0:
      return background[y] & 15;
    case 1:
      return screen_byte >> 4;
    case 2:
      return screen_byte & 15;
    default:
      return model.color_ram[cell] & 15;
  }
}

// Whether a Crest UFLI sprite shows at hires pixel (x, y): its bit is set under a clear
// bitmap bit.
bool sprite_shows(const picture_model& model, int x, int y) {
  if (!ufli_sprites::covers(x)) return false;
  const int cell = y / 8 * 40 + x / 8;
  const ufli_sprites::sprite_bit bit = ufli_sprites::bit_under(x, y);
  return !(model.bitmap_a[cell * 8 + y % 8] >> (7 - x % 8) & 1) &&
         model.sprite_bank[bit.offset] & bit.mask;
}

uint8_t hires_pixel(const picture_model& model, int frame, int x, int y) {
  if (frame == 0 && sprite_shows(model, x, y))
    return ufli_sprites::colour_of_column(model.sprite_bank, ufli_sprites::column_of(x));
  const int cell = y / 8 * 40 + x / 8;
  const uint8_t screen_byte = (frame == 0 ? model.screen_a : model.screen_b)[cell * 8 + y % 8];
  const bool set =
      (frame == 0 ? model.bitmap_a : model.bitmap_b)[cell * 8 + y % 8] >> (7 - x % 8) & 1;
  return set ? screen_byte >> 4 : screen_byte & 15;
}

uint8_t four_bit_pixel(const picture_model& model, int x, int y) {
  const four_bit_place place = four_bit_pixel_at(x, y);
  const uint8_t byte = model.four_bit_pixels[place.byte];
  return four_bit_colours[place.high ? byte >> 4 : byte & 15];
}

uint8_t shown_pixel(const sample_format& sample, int frame, int x, int y) {
  const decoding decode = format_by_id(sample.format_id)->decode;
  if (sample.limits.four_bit) return four_bit_pixel(work.model, x, y);
  if (sample.limits.hires) return hires_pixel(work.model, frame, x, y);
  return multicolour_pixel(work.model, frame, x / 2, y,
                           decode == decoding::two_frame_multicolor_aligned);
}

// The share of the scene's pixels that the fitted model shows in exactly their colour.
double exact_share(const sample_format& sample) {
  int exact = 0, total = 0;
  const bool every_pixel = sample.limits.hires || sample.limits.four_bit;
  for (int frame = 0; frame < sample.limits.frames; ++frame) {
    for (int y = 0; y < picture_height; ++y) {
      for (int x = frame; x < picture_width; x += every_pixel ? 1 : 2) {
        const uint8_t shown = shown_pixel(sample, frame, x, y);
        exact += shown == work.picture.frames[frame][y * picture_width + x];
        ++total;
      }
    }
  }
  return static_cast<double>(exact) / total;
}

// The samples of the formats with a layout, or of those with an arrangement.
std::vector<sample_format> samples_with(bool arrangement) {
  std::vector<sample_format> samples;
  for (const sample_format& sample : sample_formats)
    if ((format_by_id(sample.format_id)->arrange != arrangement::none) == arrangement)
      samples.push_back(sample);
  return samples;
}

std::string test_name(const testing::TestParamInfo<sample_format>& info) {
  std::string name = name_of(info.param);
  std::replace_if(
      name.begin(), name.end(),
      [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

class SampleIdentity : public testing::TestWithParam<sample_format> {};
class SampleRoundTrip : public testing::TestWithParam<sample_format> {};

TEST_P(SampleIdentity, FileIsIdentifiedByItsNameSizeAndLoadAddress) {
  const sample_format& sample = GetParam();
  const uint32_t size = make_sample(sample, work);
  const file_peek peek = [size](uint32_t count) {
    return std::span<const uint8_t>(work.file.bytes).first(std::min(count, size));
  };
  // A packed format without an extension of its own is told only inside a disk image.
  const format_entry& format = *format_by_id(sample.format_id);
  const bool in_disk_image_only =
      format.pack != packing::none && format.recognised.extensions[0].empty();
  EXPECT_EQ(in_disk_image_only ? identify_by_content(size, peek, file_place::disk_image)
                               : identify_file(sample.file_name, size, peek),
            sample.format_id);
  // A format without load addresses starts its files with its own bytes; a mark at the file's
  // start takes the load address's place.
  if (format.recognised.load_address_count != 0 && (format.mark.empty() || format.mark.at >= 2)) {
    EXPECT_EQ(work.file[0] | work.file[1] << 8, sample.load_address);
  }
}

TEST_P(SampleRoundTrip, LoadingReadsBackTheFittedPicture) {
  const sample_format& sample = GetParam();
  const uint32_t size = make_sample(sample, work);
  loaded = picture_model{};
  const format_entry* format = format_by_id(sample.format_id);
  ASSERT_NE(format, nullptr);
  static file_buffer unpacked;
  ASSERT_TRUE(load_picture(*format, work.file, size, unpacked, loaded));

  // Every part the file carries, as far as it is shown.
  const auto shown_size = [](model_part part) -> size_t {
    switch (part) {
      case model_part::line_background:
      case model_part::line_background_b:
        return 200;
      case model_part::color_ram:
        return 1000;
      case model_part::sprite_bank:
      case model_part::four_bit_pixels:
        return part_size(part);
      default:
        return 8000;
    }
  };
  for (const layout_step& step : format->layout.view()) {
    if (step.kind != step_kind::copy && step.kind != step_kind::screen_rams) continue;
    const size_t count = shown_size(step.part);
    expect_same(part_bytes(std::as_const(loaded), step.part).first(count),
                part_bytes(std::as_const(work.model), step.part).first(count),
                "part " + std::to_string(static_cast<int>(step.part)));
  }
}

TEST_P(SampleRoundTrip, FittedPictureKeepsMostOfTheScene) {
  const sample_format& sample = GetParam();
  make_sample(sample, work);
  EXPECT_GE(exact_share(sample), 0.93);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, SampleIdentity, testing::ValuesIn(sample_formats), test_name);
INSTANTIATE_TEST_SUITE_P(EveryFormatWithALayout, SampleRoundTrip,
                         testing::ValuesIn(samples_with(false)), test_name);

TEST(SampleFormats, CoverEveryFormatOnce) {
  for (const format_entry& format : format_table) {
    const auto count =
        std::count_if(sample_formats.begin(), sample_formats.end(),
                      [&](const sample_format& s) { return s.format_id == format.id; });
    EXPECT_EQ(count, 1) << int{format.id};
  }
}

TEST(SampleFormats, FliSamplesChangeColoursWithinACell) {
  for (const sample_format& sample : sample_formats) {
    if (!sample.limits.screen_per_line) continue;
    make_sample(sample, work);
    int changing_cells = 0;
    for (int cell = 0; cell < 1000; ++cell) {
      const auto first = work.model.screen_a.begin() + cell * 8;
      changing_cells += !std::all_of(first, first + 8, [&](uint8_t b) { return b == *first; });
    }
    EXPECT_GT(changing_cells, 100) << sample.file_name;
  }
}

TEST(SampleFormats, LineBackgroundsFollowTheSky) {
  for (const sample_format& sample : sample_formats) {
    if (sample.limits.background != background_source::per_line) continue;
    make_sample(sample, work);
    const auto& lines = work.model.line_background;
    EXPECT_GE(std::set<uint8_t>(lines.begin(), lines.begin() + 200).size(), 5u) << sample.file_name;
  }
}

TEST(SampleFormats, InterlaceFramesDiffer) {
  for (const sample_format& sample : sample_formats) {
    if (sample.limits.frames != 2) continue;
    make_sample(sample, work);
    const auto differing = [](const auto& a, const auto& b) {
      return std::inner_product(a.begin(), a.begin() + 8000, b.begin(), 0, std::plus<>(),
                                std::not_equal_to<>());
    };
    EXPECT_GT(differing(work.model.bitmap_a, work.model.bitmap_b) +
                  differing(work.model.screen_a, work.model.screen_b),
              500)
        << sample.file_name;
  }
}

// The sprites add a third colour to cells: thousands of pixels show the scene's colour
// through them.
TEST(SampleFormats, UfliSpritesColourPartOfThePicture) {
  const sample_format& ufli =
      *std::find_if(sample_formats.begin(), sample_formats.end(),
                    [](const sample_format& s) { return s.format_id == 17; });
  make_sample(ufli, work);
  int through_sprites = 0;
  for (int y = 0; y < picture_height; ++y) {
    for (int x = 0; x < picture_width; ++x) {
      through_sprites +=
          sprite_shows(work.model, x, y) &&
          hires_pixel(work.model, 0, x, y) == work.picture.frames[0][y * picture_width + x];
    }
  }
  EXPECT_GT(through_sprites, 2000);
}

TEST(SampleFormats, UnknownSizeSampleNamesNoFormat) {
  EXPECT_EQ(format_id_by_size(unknown_size_sample.size), 0);
}

}  // namespace
