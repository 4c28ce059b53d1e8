// The samples of the formats with an arrangement: each is taken by its format, loads onto a
// canvas of its own and shows a picture, not a blank.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>

#include "character_rom.h"
#include "formats/format_table.h"
#include "sample_formats.h"

namespace {

sample_workspace work;

// The colour of pixel (x, y) of a frame as its cell shows it, sprites left out.
uint8_t cell_pixel(const raster_frame& frame, int x, int y) {
  const raster_cell& cell = frame.cell(y, x / 8);
  const int p = x % 8;
  const int pattern =
      cell.multicolor ? cell.graphics >> (6 - (p & 6)) & 3 : cell.graphics >> (7 - p) & 1;
  return cell.colours[pattern];
}

// The colours the cells of a frame show in lines first..last - 1, and the colours of the
// sprites there with any pixel set.
std::set<uint8_t> colours_shown(const picture_model& model, int frame, int first, int last) {
  std::set<uint8_t> colours;
  for (int y = first; y < last; ++y) {
    for (int x = 0; x < model.canvas.width; ++x)
      colours.insert(cell_pixel(model.raster[frame], x, y));
    for (const sprite_row& sprite : model.raster[frame].sprites[y].sprites)
      if (sprite.shown && sprite.data != std::array<uint8_t, 3>{}) colours.insert(sprite.colour);
  }
  return colours;
}

std::vector<sample_format> arranged_samples() {
  std::vector<sample_format> samples;
  for (const sample_format& sample : sample_formats)
    if (format_by_id(sample.format_id)->arrange != arrangement::none) samples.push_back(sample);
  return samples;
}

std::unique_ptr<picture_model> loaded_sample(const sample_format& sample) {
  const uint32_t size = make_sample(sample, work);
  auto model = std::make_unique<picture_model>();
  // Text screens drawn with our own characters.
  const character_rom_bytes rom = make_character_rom();
  std::copy(rom.begin(), rom.end(), model->rom.bytes.begin());
  static file_buffer unpacked;
  const result<> loaded =
      load_picture(*format_by_id(sample.format_id), work.file, size, unpacked, *model);
  EXPECT_TRUE(loaded) << (loaded ? "" : loaded.error());
  return model;
}

class ArrangedSample : public testing::TestWithParam<sample_format> {};

TEST_P(ArrangedSample, LoadsAndShowsAPicture) {
  const sample_format& sample = GetParam();
  const format_entry& format = *format_by_id(sample.format_id);
  EXPECT_TRUE(sample.file_name.ends_with("." + std::string(format.recognised.extensions[0])));
  const auto model = loaded_sample(sample);
  EXPECT_GE(colours_shown(*model, 0, 0, model->canvas.height).size(), 2u);
  if (format.frames() == 2) {
    int differing = 0;
    for (int y = 0; y < model->canvas.height; ++y)
      for (int x = 0; x < model->canvas.width; ++x)
        differing += cell_pixel(model->raster[0], x, y) != cell_pixel(model->raster[1], x, y);
    EXPECT_GT(differing, 500);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryFormatWithAnArrangement, ArrangedSample,
                         testing::ValuesIn(arranged_samples()), [](const auto& info) {
                           std::string name = info.param.file_name;
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char ch) {
                                 return !std::isalnum(static_cast<unsigned char>(ch));
                               },
                               '_');
                           return name;
                         });

const sample_format& sample_of(arrangement kind) {
  return *std::find_if(sample_formats.begin(), sample_formats.end(), [&](const sample_format& s) {
    return format_by_id(s.format_id)->arrange == kind;
  });
}

// The lower half is a scene of its own, fitted around the colour RAM the upper half leaves it,
// with its own subtitle.
TEST(ArrangedSamples, BfliHalvesAreTwoPicturesInFullColour) {
  const auto model = loaded_sample(sample_of(arrangement::bfli));
  EXPECT_EQ(model->canvas, (canvas_size{296, 400}));
  EXPECT_GE(colours_shown(*model, 0, 0, 200).size(), 8u);
  EXPECT_GE(colours_shown(*model, 0, 200, 400).size(), 8u);
  int differing = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 296; ++x)
      differing += cell_pixel(model->raster[0], x, y) != cell_pixel(model->raster[0], x, y + 200);
  EXPECT_GT(differing, 40);
}

TEST(ArrangedSamples, PagefoxClipIsAWholePage) {
  const auto model = loaded_sample(sample_of(arrangement::printfox));
  EXPECT_EQ(model->canvas, (canvas_size{640, 400}));
  EXPECT_EQ(colours_shown(*model, 0, 0, 400), (std::set<uint8_t>{0, 1}));
}

}  // namespace
