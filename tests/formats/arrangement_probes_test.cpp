// Where a few file bytes of every format with an arrangement show in the model's raster, with
// the offsets written out from the formats' documented layouts rather than taken from the code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "formats/format_table.h"
#include "formats/picture_file.h"

namespace {

uint8_t offset_byte(uint32_t offset) {
  return (offset * 7 + (offset >> 8)) % 255;
}

raster_cell hires(uint8_t graphics, uint8_t clear, uint8_t set) {
  return {graphics, false, {uint8_t(clear & 15), uint8_t(set & 15), 0, 0}};
}

raster_cell multi(uint8_t graphics, uint8_t c00, uint8_t c01, uint8_t c10, uint8_t c11) {
  return {
      graphics, true, {uint8_t(c00 & 15), uint8_t(c01 & 15), uint8_t(c10 & 15), uint8_t(c11 & 15)}};
}

// A multicolour bitmap cell: 01 and 10 the screen byte's nibbles, 11 the colour RAM.
raster_cell bitmap_multi(uint8_t graphics, uint8_t background, uint8_t screen, uint8_t colour) {
  return multi(graphics, background, screen >> 4, screen, colour);
}

using file_bytes = std::span<const uint8_t>;
using probe = std::function<void(file_bytes file, const picture_model& model)>;

struct format_probes {
  uint8_t id;
  std::string_view real_file;  // a real picture of the format, or empty
  canvas_size canvas;          // of the probe file, or of the real file when it has its own
  // A file of the format whose other bytes tell their offsets, or empty to take offset bytes.
  std::function<std::vector<uint8_t>()> file;
  probe check;
};

std::vector<uint8_t> offset_file(size_t size) {
  std::vector<uint8_t> file(size);
  for (size_t i = 0; i < size; ++i) file[i] = offset_byte(static_cast<uint32_t>(i));
  return file;
}

const raster_cell& cell(const picture_model& model, int y, int column, int frame = 0) {
  return model.raster[frame].cell(y, column);
}

std::vector<format_probes> every_format() {
  return {
      // The upper screen's video counter starts three columns in (under the FLI bug); the lower
      // one's carries on from 1000 and wraps at 1024.
      {46,
       "monstergdc__CommodoreC64-Delphi__b5ad.bfli",
       {296, 400},
       [] {
         std::vector<uint8_t> file = offset_file(33795);
         file[2] = 'b';
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         EXPECT_EQ(cell(m, 0, 0), bitmap_multi(f[9219 + 3 * 8], 0, f[1027 + 3], f[3 + 3]));
         EXPECT_EQ(cell(m, 13, 36),
                   bitmap_multi(f[9219 + 79 * 8 + 5], 0, f[1027 + 5 * 1024 + 79], f[3 + 79]));
         EXPECT_EQ(cell(m, 200, 0),
                   bitmap_multi(f[25603 + 1003 * 8], 0, f[17411 + 1003], f[3 + 1003]));
         EXPECT_EQ(cell(m, 213, 36),
                   bitmap_multi(f[25603 + 55 * 8 + 5], 0, f[17411 + 5 * 1024 + 55], f[3 + 55]));
         EXPECT_EQ(cell(m, 399, 36),
                   bitmap_multi(f[25603 + 975 * 8 + 7], 0, f[17411 + 7 * 1024 + 975], f[3 + 975]));
       }},
      // Cells row by row, 8 bytes each; set bits are black ink on white.
      {47,
       "xinteksik__C64-Pagefox-cs__foxi.pg.prg",
       {272, 176},
       [] {
         std::vector<uint8_t> file = {'P', 2, 3, 'K', 9, 9, 9, 9, 9, 9, 9, 9, 0};
         for (int k = 0; k < 48; ++k)
           file.push_back(static_cast<uint8_t>(k * 5 == 0x9B ? 1 : k * 5));
         return file;
       },
       [](file_bytes f, const picture_model& m) {
         if (m.canvas.width == 24) {
           EXPECT_EQ(cell(m, 0, 0), hires(f[13], 1, 0));
           EXPECT_EQ(cell(m, 7, 2), hires(f[13 + 2 * 8 + 7], 1, 0));
           EXPECT_EQ(cell(m, 9, 1), hires(f[13 + 4 * 8 + 1], 1, 0));
         } else {
           // The real clip: 34 x 22 cells, its data after a header of 4 bytes per cell row.
           EXPECT_EQ(f[0], 'P');
           EXPECT_EQ(cell(m, 0, 0).colours, (std::array<uint8_t, 4>{1, 0, 0, 0}));
         }
       }},
  };
}

TEST(ArrangementProbes, EveryFormatWithAnArrangementIsProbed) {
  const auto probed = every_format();
  for (const format_entry& format : format_table) {
    if (format.arrange == arrangement::none) continue;
    EXPECT_TRUE(std::any_of(probed.begin(), probed.end(), [&](const format_probes& p) {
      return p.id == format.id;
    })) << format.name;
  }
}

void expect_probes(const format_probes& probes, file_bytes file, bool own_canvas) {
  const format_entry& format = *format_by_id(probes.id);
  static file_buffer scratch;
  auto model = std::make_unique<picture_model>();
  ASSERT_TRUE(arrange_picture(format.arrange, file, scratch, *model)) << format.name;
  if (!own_canvas) {
    EXPECT_EQ(model->canvas, probes.canvas) << format.name;
  }
  probes.check(file, *model);
}

TEST(ArrangementProbes, FilesWhoseBytesTellTheirOffsets) {
  for (const format_probes& probes : every_format()) {
    const std::vector<uint8_t> file = probes.file();
    SCOPED_TRACE(format_by_id(probes.id)->name);
    expect_probes(probes, file, probes.id == 47);
  }
}

TEST(ArrangementProbes, RealPictures) {
  const std::filesystem::path folder = VELORA_REAL_PICTURES_DIR;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no real pictures at hand";
  static file_buffer file;
  for (const format_probes& probes : every_format()) {
    if (probes.real_file.empty()) continue;
    const result<uint32_t> read = read_picture_file((folder / probes.real_file).string(), file);
    ASSERT_TRUE(read) << probes.real_file;
    SCOPED_TRACE(probes.real_file);
    expect_probes(probes, std::span(file.bytes).first(*read), false);
  }
}

}  // namespace
