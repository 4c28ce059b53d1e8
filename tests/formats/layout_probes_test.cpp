// Where a few file bytes of every format land in the model, with the offsets written
// out from the formats' documented tables rather than taken from the layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/format_table.h"
#include "formats/picture_file.h"

namespace {

using enum model_part;

// Never the sentinel: the byte values run 0..254.
uint8_t offset_byte(uint32_t offset) {
  return (offset * 7 + (offset >> 8)) % 255;
}

constexpr uint8_t sentinel = 0xFF;

struct probe {
  model_part part;
  uint16_t index;
  int32_t offset;  // the file offset whose byte lands at index, or -1 for a fixed value
  uint8_t value = 0;
};

probe from(model_part part, uint16_t index, int32_t offset) {
  return {part, index, offset};
}
probe fixed(model_part part, uint16_t index, uint8_t value) {
  return {part, index, -1, value};
}

struct format_probes {
  uint8_t id;
  std::string_view real_file;  // a real picture of the format, or empty
  std::vector<probe> probes;
};

// Screen RAM r of cell c is at c * 8 + r; raster line 13 of cell 43 takes screen RAM 5 (349).
const std::vector<format_probes> every_format = {
    {1,
     "monstergdc__CommodoreC64-Delphi__Gunpaint.gun",
     {from(line_background, 0, 16209), from(line_background, 176, 16385),
      from(line_background, 177, 18410), from(line_background, 200, 18433),
      fixed(line_background, 201, 0), from(screen_a, 349, 2 + 5 * 1024 + 43),
      from(bitmap_a, 8014, 16208), fixed(bitmap_a, 8015, sentinel), from(color_ram, 1023, 17409),
      from(screen_b, 999 * 8, 18409), fixed(screen_b, 1000 * 8, sentinel),
      from(screen_b, 5 * 8 + 3, 18434 + 2 * 1024 + 5), from(bitmap_b, 7999, 33601)}},
    {2,
     "",
     {from(line_background, 255, 257), from(color_ram, 0, 258),
      from(screen_a, 349, 1282 + 5 * 1024 + 43), from(bitmap_a, 8191, 17665),
      from(screen_b, 1023 * 8 + 7, 25857), from(bitmap_b, 8191, 34049)}},
    {3,
     "",
     {from(line_background, 0, 2), from(color_ram, 1023, 1281),
      from(screen_a, 349, 1282 + 5 * 1024 + 43), from(bitmap_a, 0, 9474)}},
    {4,
     "",
     {from(line_background, 0, 8), from(line_background, 249, 257),
      fixed(line_background, 250, sentinel), from(color_ram, 0, 258), from(screen_a, 8191, 9473),
      from(bitmap_a, 8190, 17664), fixed(bitmap_a, 8191, sentinel)}},
    {5,
     "monstergdc__CommodoreC64-Delphi__cpu.fli",
     {fixed(line_background, 255, 0), from(color_ram, 0, 2), from(screen_a, 8, 1027),
      from(screen_a, 1, 2050), from(bitmap_a, 8190, 17408), fixed(bitmap_a, 8191, sentinel)}},
    {6,
     "monstergdc__CommodoreC64-Delphi__tyrant_1.drl",
     {from(color_ram, 0, 2), from(screen_a, 349, 1026 + 43), from(screen_b, 349, 1026 + 43),
      from(bitmap_a, 7999, 10049), fixed(bitmap_a, 8000, sentinel),
      from(line_background, 255, 10050), from(bitmap_b, 0, 10242)}},
    {7,
     "monstergdc__CommodoreC64-Delphi__test.mci",
     {from(screen_a, 7, 2), from(bitmap_a, 0, 1026), from(bitmap_b, 8191, 17409),
      from(screen_b, 7, 17410), from(color_ram, 999, 19433), fixed(color_ram, 1000, sentinel),
      from(line_background, 0, 1002), from(line_background, 199, 1002)}},
    {8,
     "monstergdc__CommodoreC64-Delphi__logo.afl",
     {from(screen_a, 349, 2 + 5 * 1024 + 43), from(bitmap_a, 8190, 16384)}},
    {9,
     "",
     {from(screen_a, 1023 * 8 + 7, 1025), from(bitmap_a, 0, 1026),
      fixed(bitmap_a, 8191, sentinel)}},
    {10,
     "",
     {from(bitmap_a, 7999, 8001), fixed(bitmap_a, 8000, sentinel), from(bitmap_b, 0, 8002),
      fixed(screen_a, 0, 0xCB), fixed(screen_a, 8191, 0xCB), fixed(screen_b, 4000, 0xCB),
      fixed(color_ram, 1022, 15), fixed(color_ram, 1023, sentinel),
      fixed(line_background, 255, 0)}},
    {11,
     "monstergdc__CommodoreC64-Delphi__worldmap.pi",
     {from(bitmap_a, 8191, 8193), from(screen_a, 349, 8194 + 43), from(color_ram, 0, 9218),
      from(line_background, 100, 8066)}},
    {12,
     "",
     {fixed(line_background, 0, 0), from(color_ram, 1023, 1025),
      from(screen_a, 349, 1026 + 5 * 1024 + 43), from(bitmap_a, 7999, 17217),
      fixed(bitmap_a, 8000, sentinel)}},
    {13,
     "monstergdc__CommodoreC64-Delphi__Valsary.fun",
     {from(screen_a, 0, 18), from(bitmap_a, 0, 8210), from(line_background, 99, 16317),
      from(line_background, 100, 33594), from(line_background, 199, 33693),
      fixed(line_background, 200, sentinel), from(color_ram, 0, 16402),
      from(screen_b, 349, 17402 + 5 * 1024 + 43), from(bitmap_b, 7999, 33593)}},
    {14,
     "monstergdc__CommodoreC64-Delphi__NavySeals.ocp.mpic",
     {from(bitmap_a, 0, 2), from(screen_a, 999 * 8 + 3, 9001),
      fixed(screen_a, 1000 * 8 + 4, sentinel), from(line_background, 0, 9003),
      from(color_ram, 0, 9018), fixed(color_ram, 1000, sentinel)}},
    {15,
     "monstergdc__CommodoreC64-Delphi__Deep_Strike.aas",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), fixed(bitmap_a, 8000, sentinel),
      from(screen_a, 349, 8002 + 43), from(screen_a, 999 * 8, 9001),
      fixed(screen_a, 1000 * 8 + 4, sentinel)}},
    {16,
     "",
     {from(color_ram, 1023, 1025), from(screen_a, 1023 * 8 + 7, 2049), from(bitmap_a, 0, 2050),
      from(line_background, 200, 10050)}},
    // Raster lines 12 and 13 (screen RAMs 4 and 5) both take UFLI screen 2.
    {17,
     "",
     {from(sprite_bank, 0, 2), from(sprite_bank, 0xFEF, 4081), from(sprite_bank, 0xFF0, 4082),
      from(sprite_bank, 0xFF2, 4084), from(sprite_bank, 4095, 4097), from(screen_a, 0, 4098),
      from(screen_a, 348, 4098 + 2 * 1024 + 43), from(screen_a, 349, 4098 + 2 * 1024 + 43),
      from(screen_a, 8191, 8193), from(bitmap_a, 0, 8194), from(bitmap_a, 7999, 16193),
      fixed(bitmap_a, 8000, sentinel)}},
    {18,
     "devbrain__onyx_image__abydos.koa",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), from(screen_a, 999 * 8 + 5, 9001),
      from(color_ram, 0, 9002), from(color_ram, 999, 10001), from(line_background, 199, 10002)}},
    {19,
     "devbrain__onyx_image__abydos.gg",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), from(screen_a, 999 * 8 + 5, 9001),
      from(color_ram, 0, 9002), from(color_ram, 999, 10001), from(line_background, 199, 10002)}},
    {20,
     "devbrain__onyx_image__STILLIFE.rpm",
     {from(bitmap_a, 0, 2), from(screen_a, 999 * 8 + 5, 9001), from(color_ram, 999, 10001),
      fixed(color_ram, 1000, sentinel), from(line_background, 199, 10002)}},
    {21,
     "devbrain__onyx_image__abydos.ipt",
     {from(bitmap_a, 7999, 8001), from(screen_a, 349, 8002 + 43), from(color_ram, 0, 9002),
      from(line_background, 0, 10002)}},
    {22,
     "devbrain__onyx_image__abydos.iph",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), from(screen_a, 349, 8002 + 43),
      from(screen_a, 999 * 8 + 7, 9001), fixed(screen_a, 1000 * 8, sentinel)}},
    {23,
     "monstergdc__CommodoreC64-Delphi__PPA3BYI.A64",
     {from(bitmap_a, 7999, 8001), from(screen_a, 349, 8194 + 43), from(color_ram, 0, 9218),
      from(color_ram, 999, 10217), from(line_background, 199, 10241)}},
    {24,
     "monstergdc__CommodoreC64-Delphi__Cyber30a-x.rp",
     {from(screen_a, 349, 2 + 43), from(bitmap_a, 0, 1026), from(bitmap_a, 7999, 9025),
      from(color_ram, 999, 10217), fixed(line_background, 100, 0)}},
    {25,
     "",
     {from(bitmap_a, 0, 2), from(screen_a, 0, 8002), from(color_ram, 0, 9002),
      from(line_background, 50, 10002)}},
    {26,
     "",
     {from(bitmap_a, 7999, 8001), fixed(bitmap_a, 8000, sentinel), from(screen_a, 349, 8194 + 43),
      from(screen_a, 999 * 8, 9193)}},
    {27,
     "",
     {from(color_ram, 0, 2), from(color_ram, 999, 1001), from(bitmap_a, 0, 1026),
      from(line_background, 0, 9217), from(screen_a, 349, 9218 + 43),
      from(screen_a, 999 * 8 + 7, 10217)}},
    {28,
     "",
     {from(color_ram, 0, 2), from(screen_a, 349, 1026 + 43), from(line_background, 0, 2026),
      from(bitmap_a, 0, 2050), from(bitmap_a, 7999, 10049)}},
    {29,
     "",
     {from(bitmap_a, 0, 2), from(screen_a, 349, 8194 + 43), from(screen_a, 999 * 8 + 7, 9193)}},
    {30,
     "devbrain__onyx_image__DDLIL_GAL",
     {from(screen_a, 349, 2 + 43), from(bitmap_a, 0, 1026), from(bitmap_a, 7999, 9025),
      fixed(bitmap_a, 8000, sentinel)}},
    {31,
     "",
     {from(bitmap_a, 0, 116), from(bitmap_a, 7999, 8115), from(line_background, 0, 8116),
      from(color_ram, 0, 8119), from(color_ram, 999, 8119), from(screen_a, 349, 8308 + 43)}},
    {32,
     "",
     {from(screen_a, 349, 2 + 43), from(line_background, 0, 1010), from(bitmap_a, 0, 1026),
      from(color_ram, 0, 9218), from(color_ram, 999, 10217)}},
    {33,
     "",
     {from(bitmap_a, 0, 275), from(screen_a, 349, 8275 + 43), from(color_ram, 0, 9275),
      from(line_background, 0, 10275)}},
    {34,
     "",
     {from(line_background, 0, 8), from(screen_a, 349, 22 + 43), from(color_ram, 0, 1022),
      from(bitmap_a, 0, 2022), from(bitmap_a, 7999, 10021)}},
    {35,
     "devbrain__onyx_image__AMBER.HBM",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), fixed(screen_a, 349, 0x10),
      fixed(screen_a, 8191, 0x10)}},
    {36,
     "",
     {from(line_background, 0, 2), from(line_background, 199, 201), from(color_ram, 0, 258),
      from(screen_a, 349, 1282 + 5 * 1024 + 43), from(bitmap_a, 7999, 17473),
      fixed(bitmap_a, 8000, sentinel)}},
    {37,
     "monstergdc__CommodoreC64-Delphi__DEMOPIC.HFC",
     {from(bitmap_a, 0, 2), from(bitmap_a, 7999, 8001), fixed(bitmap_a, 8000, sentinel),
      from(screen_a, 349, 8194 + 5 * 1024 + 43), from(screen_a, 8191, 16385)}},
    // Character row 0 (cells 0..39) is black; the file's last byte is screen RAM 7 of cell 1022.
    {38,
     "monstergdc__CommodoreC64-Delphi__logo1.him",
     {fixed(bitmap_a, 0, 0), fixed(bitmap_a, 319, 0), from(bitmap_a, 320, 322),
      from(bitmap_a, 7999, 8001), fixed(bitmap_a, 8000, sentinel), fixed(screen_a, 0, 0),
      fixed(screen_a, 319, 0), from(screen_a, 349, 8194 + 5 * 1024 + 43),
      from(screen_a, 1022 * 8 + 7, 16384), fixed(screen_a, 8191, sentinel)}},
    {39,
     "devbrain__onyx_image__godot.JJ",
     {from(screen_a, 0, 2), from(screen_a, 999 * 8 + 7, 1001), from(bitmap_a, 0, 1026),
      from(bitmap_a, 7999, 9025), fixed(bitmap_a, 8000, sentinel)}},
    {40,
     "devbrain__onyx_image__64er.ami",
     {from(bitmap_a, 7999, 8001), from(screen_a, 999 * 8 + 5, 9001), from(color_ram, 0, 9002),
      from(line_background, 199, 10002)}},
    {41,
     "devbrain__onyx_image__RAYTRACE.DRL",
     {from(color_ram, 0, 2), from(screen_b, 349, 1026 + 43), from(bitmap_a, 7999, 10049),
      from(line_background, 255, 10050), from(bitmap_b, 0, 10242)}},
    {42,
     "",
     {from(color_ram, 1023, 1025), from(screen_a, 1023 * 8 + 7, 2049), from(bitmap_a, 7999, 10049),
      from(line_background, 0, 10050)}},
    {43,
     "devbrain__onyx_image__benz.fp",
     {from(screen_a, 0, 18), from(line_background, 0, 16218), from(line_background, 199, 33693),
      from(color_ram, 0, 16402), from(screen_b, 349, 17402 + 5 * 1024 + 43),
      from(bitmap_b, 7999, 33593)}},
    // Character row 0 is not pictured.
    {44,
     "",
     {fixed(bitmap_a, 319, 0), from(bitmap_a, 320, 322), from(bitmap_a, 7999, 8001),
      fixed(screen_a, 319, 0), from(screen_a, 320, 8194 + 40),
      from(screen_a, 349, 8194 + 5 * 1024 + 43), from(screen_a, 1022 * 8 + 7, 16384)}},
    // The real pictures are on a disk image; the packing test reads them.
    {45,
     "",
     {from(bitmap_a, 0, 2), from(screen_a, 999 * 8 + 5, 9001), from(color_ram, 999, 10001),
      from(line_background, 199, 10002)}},
    {46,
     "",
     {from(bitmap_a, 7999, 8001), from(screen_a, 349, 16898 + 43), from(color_ram, 0, 18434),
      from(line_background, 0, 20479), from(line_background, 199, 20479)}},
    {47,
     "",
     {from(bitmap_a, 0, 2), from(screen_a, 349, 8002 + 43), from(color_ram, 999, 10001),
      from(line_background, 0, 10003)}},
    {48,
     "",
     {from(color_ram, 0, 2), from(screen_a, 349, 1026 + 43), from(line_background, 100, 2049),
      from(bitmap_a, 0, 2050)}},
    {49,
     "",
     {from(color_ram, 999, 1001), from(screen_a, 999 * 8 + 7, 2025), from(line_background, 0, 2026),
      from(bitmap_a, 7999, 10049)}},
    // Four colours for the whole picture.
    {50,
     "",
     {from(bitmap_a, 7999, 8001), from(screen_a, 349, 8002), from(screen_a, 8191, 8002),
      from(color_ram, 999, 8003), from(line_background, 199, 8004)}},
    {51, "", {from(bitmap_a, 0, 2), fixed(screen_a, 349, 0x01), fixed(screen_a, 8191, 0x01)}},
    // Screen RAM 7 holds 1000 cells only; the bitmap is fixed.
    {52,
     "",
     {from(screen_a, 349, 2 + 5 * 1024 + 43), from(screen_a, 999 * 8 + 7, 2 + 7 * 1024 + 999),
      fixed(screen_a, 1000 * 8 + 7, sentinel), fixed(bitmap_a, 0, 0xAA),
      fixed(bitmap_a, 8191, 0xAA)}},
    {53,
     "",
     {from(screen_a, 349, 2 + 5 * 1024 + 43), from(bitmap_a, 0, 8194), from(color_ram, 0, 16386),
      from(line_background, 199, 17411)}},
    {54,
     "",
     {from(color_ram, 0, 2), from(screen_a, 349, 1026 + 43), from(screen_b, 349, 2050 + 43),
      from(bitmap_a, 0, 3074), from(line_background, 0, 11074), from(bitmap_b, 7999, 19265)}},
    {55,
     "",
     {from(color_ram, 999, 1001), from(screen_a, 349, 1026 + 5 * 1024 + 43),
      from(bitmap_a, 0, 9218), from(line_background, 50, 17281),
      from(screen_b, 349, 17410 + 5 * 1024 + 43), from(bitmap_b, 7999, 33601)}},
    // Frame A's bitmap with the second screen RAM, frame B's with the first.
    {56,
     "monstergdc__CommodoreC64-Delphi__logofeniks.hlf",
     {from(bitmap_a, 0, 2), from(screen_a, 349, 10242 + 43), from(screen_b, 349, 9218 + 43),
      from(bitmap_b, 7999, 24385)}},
    {57,
     "",
     {from(bitmap_a, 7999, 8001), from(screen_a, 349, 8194 + 43), from(screen_b, 349, 16386 + 43),
      from(bitmap_b, 0, 24578)}},
    {58,
     "",
     {from(bitmap_a, 0, 2), from(bitmap_b, 7999, 16193), fixed(screen_a, 349, 0x0C),
      fixed(screen_b, 8191, 0x0C)}},
    {59,
     "",
     {from(bitmap_a, 0, 2), from(bitmap_b, 0, 8194), from(screen_a, 349, 16386 + 43),
      from(screen_b, 349, 16386 + 43)}},
    {60,
     "",
     {from(bitmap_a, 0, 2), from(screen_a, 349, 8194 + 5 * 1024 + 43), from(bitmap_b, 0, 16386),
      from(screen_b, 349, 24578 + 5 * 1024 + 43)}},
    {61,
     "monstergdc__CommodoreC64-Delphi__parrot_3aff.ffli",
     {from(line_background, 0, 3), from(line_background, 199, 202), from(color_ram, 0, 259),
      from(screen_a, 349, 1283 + 5 * 1024 + 43), from(bitmap_a, 0, 9475),
      from(bitmap_b, 7999, 17474), from(screen_b, 349, 17667 + 5 * 1024 + 43),
      from(line_background_b, 199, 25859 + 199)}},
    {62, "", {from(four_bit_pixels, 0, 2), from(four_bit_pixels, 31999, 32001)}},
    // The packed formats' probes look at the files they unpack to.
    {63, "", {from(bitmap_a, 0, 2), from(screen_b, 349, 16386 + 43)}},
    {64, "", {from(bitmap_a, 7999, 8001), from(screen_b, 349, 24578 + 5 * 1024 + 43)}},
    {65, "", {from(line_background, 0, 17281), from(bitmap_b, 0, 25602)}},
    {66, "", {from(bitmap_a, 0, 2), from(line_background, 0, 10002)}},
    {67, "", {from(screen_a, 349, 8002 + 43), from(color_ram, 0, 9002)}},
    {68,
     "",
     {fixed(line_background, 0, 0), from(color_ram, 0, 2),
      from(screen_a, 349, 1026 + 5 * 1024 + 43), from(bitmap_a, 0, 9218)}},
    {69,
     "",
     {from(color_ram, 0, 2), from(screen_a, 349, 1026 + 5 * 1024 + 43), from(bitmap_a, 7999, 17217),
      from(line_background, 0, 17281)}},
    {70, "", {from(color_ram, 999, 1001), from(line_background, 199, 17281)}},
    {71,
     "",
     {from(screen_a, 7, 2), from(bitmap_b, 8191, 17409), from(color_ram, 999, 19433),
      from(line_background, 0, 1002)}},
    {72, "", {from(sprite_bank, 0, 2), from(bitmap_a, 0, 8194)}},
    {73, "", {from(line_background, 0, 2), from(color_ram, 0, 258), from(bitmap_a, 7999, 17473)}},
    {74, "", {from(line_background, 0, 8), from(screen_a, 349, 22 + 43), from(bitmap_a, 0, 2022)}},
    {75, "", {from(four_bit_pixels, 0, 2)}},
    {76, "", {from(four_bit_pixels, 31999, 32001)}},
    {89, "", {from(bitmap_a, 7999, 8001), from(screen_a, 349, 8002 + 43)}},
};

constexpr std::array parts = {line_background, color_ram,         screen_a,
                              screen_b,        bitmap_a,          bitmap_b,
                              sprite_bank,     line_background_b, four_bit_pixels};

void fill_model(picture_model& model, uint8_t value) {
  for (model_part part : parts) std::ranges::fill(part_bytes(model, part), value);
}

bool same_model(const picture_model& a, const picture_model& b) {
  return std::ranges::all_of(parts, [&](model_part part) {
    return std::ranges::equal(part_bytes(a, part), part_bytes(b, part));
  });
}

void expect_probes(const format_probes& format, const file_buffer& file) {
  picture_model model;
  fill_model(model, sentinel);
  load_layout(format_by_id(format.id)->layout.view(), file, model);
  for (const probe& p : format.probes) {
    const uint8_t want = p.offset < 0 ? p.value : file[static_cast<uint16_t>(p.offset)];
    EXPECT_EQ(part_bytes(model, p.part)[p.index], want)
        << "format " << int{format.id} << ", part " << int(p.part) << "[" << p.index << "]";
  }
}

file_buffer file;

// Formats with an arrangement instead of a layout have their own probes.
TEST(LayoutProbes, EveryFormatIsProbed) {
  EXPECT_EQ(every_format.size(),
            std::count_if(format_table.begin(), format_table.end(),
                          [](const format_entry& f) { return f.arrange == arrangement::none; }));
}

TEST(LayoutProbes, FileWhoseBytesTellTheirOffsets) {
  for (uint32_t i = 0; i < file.bytes.size(); ++i) file.bytes[i] = offset_byte(i);
  for (const format_probes& format : every_format) expect_probes(format, file);
}

TEST(LayoutProbes, RealPictures) {
  const std::filesystem::path folder = VELORA_REAL_PICTURES_DIR;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no real pictures at hand";
  static file_buffer unpacked;
  for (const format_probes& format : every_format) {
    if (format.real_file.empty()) continue;
    file.bytes.fill(0);
    const result<uint32_t> read = read_picture_file((folder / format.real_file).string(), file);
    ASSERT_TRUE(read) << format.real_file;
    // The probes of a packed format look at the file it unpacks to.
    const format_entry& entry = *format_by_id(format.id);
    if (entry.pack == packing::none) {
      expect_probes(format, file);
      continue;
    }
    ASSERT_TRUE(
        unpack(entry.pack, std::span(file.bytes).first(*read), entry.unpacks_to(), unpacked))
        << format.real_file;
    expect_probes(format, unpacked);
  }
}

TEST(Layouts, TrailingByteOfTheLongerSizeIsNotRead) {
  for (uint32_t i = 0; i < file.bytes.size(); ++i) file.bytes[i] = offset_byte(i);
  for (const format_entry& format : format_table) {
    if (format.sizes[1] == 0 || format.arrange != arrangement::none) continue;
    picture_model shorter, longer;
    load_layout(format.layout.view(), file, shorter);
    file[static_cast<uint16_t>(format.shortest_size())] ^= 0x5A;
    load_layout(format.layout.view(), file, longer);
    EXPECT_TRUE(same_model(shorter, longer)) << int{format.id};
  }
}

TEST(Layouts, AFileWithoutItsLoadAddressLoadsAsOneWithIt) {
  static file_buffer headless, unpacked;
  for (uint32_t i = 0; i < file.bytes.size(); ++i) file.bytes[i] = offset_byte(i);
  std::copy(file.bytes.begin() + 2, file.bytes.end(), headless.bytes.begin());
  for (const format_entry& format : format_table) {
    if (format.size_without_load_address == 0) continue;
    static picture_model with, without;
    fill_model(with, sentinel);
    fill_model(without, sentinel);
    const auto size = static_cast<uint32_t>(format.shortest_size());
    ASSERT_TRUE(load_picture(format, file, size, unpacked, with));
    ASSERT_TRUE(load_picture(format, headless, size - 2, unpacked, without));
    EXPECT_TRUE(same_model(with, without)) << int{format.id};
  }
}

TEST(Layouts, OneFramePictureAfterATwoFrameOneKeepsFrameB) {
  for (uint32_t i = 0; i < file.bytes.size(); ++i) file.bytes[i] = offset_byte(i);
  picture_model model;
  load_layout(format_by_id(2)->layout.view(), file, model);
  const picture_model two_frame = model;
  for (uint32_t i = 0; i < file.bytes.size(); ++i) file.bytes[i] = offset_byte(i + 1);
  load_layout(format_by_id(12)->layout.view(), file, model);
  EXPECT_EQ(model.screen_b, two_frame.screen_b);
  EXPECT_EQ(model.bitmap_b, two_frame.bitmap_b);
  EXPECT_NE(model.bitmap_a, two_frame.bitmap_a);
}

}  // namespace
