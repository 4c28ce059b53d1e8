// Each packing scheme on short streams written out by hand, and on the real packed pictures.
#include "formats/packing.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "containers/container_stack.h"
#include "formats/format_table.h"
#include "formats/identify.h"
#include "support/files.h"

namespace {

using bytes = std::vector<uint8_t>;

// A load address, then text, then the bytes.
bytes file_of(uint16_t load, std::string_view text, std::initializer_list<uint8_t> rest) {
  bytes out(2 + text.size() + rest.size());
  out[0] = static_cast<uint8_t>(load & 0xFF);
  out[1] = static_cast<uint8_t>(load >> 8);
  std::copy(rest.begin(), rest.end(), std::copy(text.begin(), text.end(), out.begin() + 2));
  return out;
}

file_buffer out;

bool unpacks(packing scheme, const bytes& packed, unpacked_sizes sizes) {
  return static_cast<bool>(unpack(scheme, packed, sizes, out));
}

TEST(Packing, RunsBetweenPlainBytes) {
  // Each scheme: a stream of "1, a run of three 7s, 2", then the same ending early, running
  // past the output and coming out short.
  EXPECT_TRUE(unpacks(packing::fe_runs, file_of(0x6000, "", {1, 0xFE, 7, 3, 2}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin(), out.bytes.begin() + 7), bytes({0x00, 0x60, 1, 7, 7, 7, 2}));
  EXPECT_FALSE(unpacks(packing::fe_runs, file_of(0x6000, "", {1, 0xFE, 7}), {7}));
  EXPECT_FALSE(unpacks(packing::fe_runs, file_of(0x6000, "", {1, 0xFE, 7, 9}), {7}));
  EXPECT_FALSE(unpacks(packing::fe_runs, file_of(0x6000, "", {1, 2}), {7}));
  // A stream may end at the shorter size or reach the longer one, and nothing between.
  EXPECT_TRUE(unpacks(packing::fe_runs, file_of(0x5C00, "", {1, 0xFE, 7, 3, 2}), {7, 9}));
  EXPECT_TRUE(unpacks(packing::fe_runs, file_of(0x5C00, "", {1, 0xFE, 7, 5, 2}), {7, 9}));
  EXPECT_FALSE(unpacks(packing::fe_runs, file_of(0x5C00, "", {1, 0xFE, 7, 4, 2}), {7, 9}));
  // Padding after a complete stream is read only when the stream must end with the file.
  const bytes padded = file_of(0x6000, "", {1, 0xFE, 7, 3, 2, 0});
  EXPECT_TRUE(unpacks(packing::fe_runs, padded, {7}));
  EXPECT_FALSE(unpack(packing::fe_runs, padded, {7}, out, stream_end::exact));
  EXPECT_TRUE(unpack(packing::fe_runs, padded, {8}, out, stream_end::exact));

  EXPECT_TRUE(unpacks(packing::amica_runs, file_of(0x4000, "", {1, 0xC2, 3, 7, 2, 0xC2, 0}), {7}));
  EXPECT_FALSE(unpacks(packing::amica_runs, file_of(0x4000, "", {1, 0xC2, 3, 7, 2}), {7}));
  EXPECT_FALSE(unpacks(packing::amica_runs, file_of(0x4000, "", {1, 0xC2, 9, 7, 0xC2, 0}), {7}));
  EXPECT_FALSE(unpacks(packing::amica_runs, file_of(0x4000, "", {1, 2, 0xC2, 0}), {7}));

  const std::string lace = "DRAZLACE! 1.0\x99";
  EXPECT_TRUE(unpacks(packing::drazlace_runs, file_of(0x5800, lace, {1, 0x99, 3, 7, 2}), {7}));
  EXPECT_FALSE(unpacks(packing::drazlace_runs, file_of(0x5800, lace, {1, 0x99, 3}), {7}));
  EXPECT_FALSE(unpacks(packing::drazlace_runs, file_of(0x5800, lace, {1, 0x99, 9, 7}), {7}));
  EXPECT_FALSE(unpacks(packing::drazlace_runs, file_of(0x5800, lace, {1, 2}), {7}));
  EXPECT_FALSE(unpacks(packing::drazlace_runs, file_of(0x5800, lace, {1, 0x99, 0, 7, 2}), {7}));

  for (std::string_view mark : {"DRAZPAINT 1.4\x99", "DRAZPAINT 2.0\x99"})
    EXPECT_TRUE(unpacks(packing::drazpaint_runs, file_of(0x5800, mark, {1, 0x99, 3, 7, 2}), {7}));
  EXPECT_FALSE(unpacks(packing::drazpaint_runs, file_of(0x5800, lace, {1, 0x99, 3, 7, 2}), {7}));

  // Fun Paint keeps its header, with the packed flag cleared.
  const std::string fun = std::string("FUNPAINT (MT) \x80\x99", 16);
  EXPECT_TRUE(
      unpacks(packing::funpaint_runs, file_of(0x3FF0, fun, {1, 0x99, 3, 7, 2, 0x99, 0}), {23}));
  EXPECT_EQ(bytes(out.bytes.begin() + 15, out.bytes.begin() + 23),
            bytes({' ', 0, 0x99, 1, 7, 7, 7, 2}));
  EXPECT_FALSE(unpacks(packing::funpaint_runs, file_of(0x3FF0, fun, {1, 0x99, 3, 7, 2}), {23}));
  EXPECT_FALSE(
      unpacks(packing::funpaint_runs, file_of(0x3FF0, fun, {1, 0x99, 9, 7, 0x99, 0}), {23}));
  EXPECT_FALSE(unpacks(packing::funpaint_runs, file_of(0x3FF0, fun, {1, 2, 0x99, 0}), {23}));
  const std::string plain = std::string("FUNPAINT (MT) \0\x99", 16);
  EXPECT_FALSE(
      unpacks(packing::funpaint_runs, file_of(0x3FF0, plain, {1, 0x99, 3, 7, 2, 0x99, 0}), {23}));
}

// The count byte of 0, the plain-byte blocks and the commands each reader has.
TEST(Packing, EscapeRunsAndCommandStreams) {
  // UFLI reads a count of 0 as 256; ECI's readers disagree on it, so it is refused there.
  EXPECT_TRUE(unpacks(packing::ufli_runs, file_of(0x8000, "", {0x99, 1, 0x99, 0, 7, 2}), {260}));
  EXPECT_EQ(bytes(out.bytes.begin() + 257, out.bytes.begin() + 260), bytes({7, 7, 2}));
  EXPECT_TRUE(unpacks(packing::eci_runs, file_of(0x4000, "", {0x99, 1, 0x99, 3, 7, 2}), {7}));
  EXPECT_FALSE(unpacks(packing::eci_runs, file_of(0x4000, "", {0x99, 1, 0x99, 0, 7, 2}), {4}));
  // Pixel Perfect's runs are one longer than their count, and its stream ends with the file.
  const std::string_view pixel_perfect = "\x10\x10\x10\x99";
  EXPECT_TRUE(unpacks(packing::pixel_perfect_runs,
                      file_of(0x3BFC, pixel_perfect, {1, 0x99, 2, 7, 0x99, 0, 2}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({1, 7, 7, 7, 2}));
  EXPECT_FALSE(unpacks(packing::pixel_perfect_runs,
                       file_of(0x3BFC, pixel_perfect, {1, 0x99, 2, 7, 0x99, 0, 2, 0}), {7}));

  // "0 count" plain bytes and "1 count value"; 0 counts 256.
  EXPECT_TRUE(unpacks(packing::vhi_commands, file_of(0x2000, "", {0, 2, 5, 6, 1, 3, 7}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({5, 6, 7, 7, 7}));
  EXPECT_TRUE(unpacks(packing::vhi_commands, file_of(0x2000, "", {1, 0, 9}), {258}));
  EXPECT_FALSE(unpacks(packing::vhi_commands, file_of(0x2000, "", {2, 2, 5, 6}), {4}));
  EXPECT_FALSE(unpacks(packing::vhi_commands, file_of(0x2000, "", {0, 3, 5, 6}), {5}));

  // Boogie Down Paint: version 4's commands, version 1's escape at 8, version 5's two escapes,
  // the second with a count of two bytes.
  EXPECT_TRUE(unpacks(packing::boogie_down, file_of(0, "", {0xFE, 2, 0, 5, 6, 0xFF, 3, 7}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({5, 6, 7, 7, 7}));
  EXPECT_FALSE(unpacks(packing::boogie_down, file_of(0, "", {5, 6, 0xFF, 3, 7}), {7}));
  EXPECT_TRUE(unpacks(packing::boogie_down,
                      file_of(0, "\x02\x04\x10\x36\x30\x30", {0x99, 0, 1, 0x99, 3, 7, 2}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({1, 7, 7, 7, 2}));
  EXPECT_TRUE(unpacks(packing::boogie_down,
                      file_of(0, "BDP 5.00", {0x98, 0x99, 1, 0x98, 3, 7, 0x99, 2, 1, 8}), {264}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({1, 7, 7, 7, 8}));
  EXPECT_EQ(out[263], 8);
}

// Streams read from the file's end down: plain bytes, runs "escape count value" in reading
// order, and True Paint's own command tables.
TEST(Packing, StreamsReadBackwards) {
  EXPECT_TRUE(
      unpacks(packing::backward_runs_escape_last, file_of(0, "", {1, 7, 3, 0x99, 2, 0x99}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({1, 7, 7, 7, 2}));
  EXPECT_FALSE(
      unpacks(packing::backward_runs_escape_last, file_of(0, "", {7, 9, 0x99, 2, 0x99}), {7}));
  const std::string header = std::string("\x99", 1) + std::string(15, '\0');
  EXPECT_TRUE(unpacks(packing::backward_runs_escape_at_2,
                      file_of(0x38F0, header, {1, 7, 3, 0x99, 2}), {7}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 7), bytes({1, 7, 7, 7, 2}));
  // Bytes left below the stream are header, not stream, where it must end with the file.
  EXPECT_FALSE(unpack(packing::backward_runs_escape_at_2,
                      file_of(0x38F0, header, {4, 1, 7, 3, 0x99, 2}), {7}, out, stream_end::exact));

  // True Paint: three zeros (0x97), an escaped command byte (0x98), count + 2 of a value (0x99).
  bytes true_paint(0x8E, 0);
  std::fill(true_paint.begin() + 0x78, true_paint.begin() + 0x81, 0x55);
  true_paint[0x4F] = 0x42;
  for (const auto [e, type, flag] :
       {std::array<uint8_t, 3>{0, 0x11, 0x99}, {1, 0x19, 0x98}, {2, 0x0B, 0x97}}) {
    true_paint[0x78 + e] = type;
    true_paint[0x81 + e] = flag;
  }
  true_paint.insert(true_paint.end(), {5, 7, 1, 0x99, 0x99, 0x98, 0x97});
  ASSERT_TRUE(unpack(packing::true_paint_backwards, true_paint, {10}, out, stream_end::exact));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 10),
            bytes({5, 7, 7, 7, 0x99, 0x42, 0x42, 0x42}));
  // Short of its last command, the stream reads on into the tables: not where it must end.
  true_paint.pop_back();
  EXPECT_FALSE(unpack(packing::true_paint_backwards, true_paint, {10}, out, stream_end::exact));
}

// Micro Illustrator's two packed types, whose screen RAM and bitmap are stored in other orders
// than the plain type's, and GoDot's 4-bit picture and clip.
TEST(Packing, PicturesStoredInOtherOrders) {
  bytes mil(22, 0);
  mil.insert(mil.end(), {0x80, 0x03, 0xE8});  // 1000 plain bytes: the screen RAM, 0, 1, 2...
  for (int k = 0; k < 1000; ++k) mil.push_back(static_cast<uint8_t>(k % 251));
  mil.insert(mil.end(), {0, 0x23, 0x28, 9});  // 9000 times 9
  mil[7] = 2;  // the bitmap line by line; the screen RAM as the plain type's
  ASSERT_TRUE(unpacks(packing::micro_illustrator_runs, mil, {10022}));
  EXPECT_EQ(out[22 + 40], 40);
  EXPECT_EQ(out[7], 0);
  mil[7] = 1;  // column by column, the even rows first
  ASSERT_TRUE(unpacks(packing::micro_illustrator_runs, mil, {10022}));
  EXPECT_EQ(out[22 + 40], 13);
  EXPECT_EQ(out[22 + 80], 1);
  mil[7] = 3;
  EXPECT_FALSE(unpacks(packing::micro_illustrator_runs, mil, {10022}));

  bytes godot = {'G', 'O', 'D', '0'};
  for (int k = 0; k < 125; ++k) godot.insert(godot.end(), {0xAD, 0, 3});
  godot.push_back(0xAD);
  ASSERT_TRUE(unpacks(packing::godot_runs, godot, {32002}));
  EXPECT_EQ(out[32001], 3);
  godot.pop_back();
  EXPECT_FALSE(unpacks(packing::godot_runs, godot, {32002}));
  // A clip of one cell lands at the picture's top left; the rest is cleared.
  const bytes clip = {'G', 'O', 'D', '1', 0, 0, 1, 1, 0xAD, 32, 0x55, 0xAD};
  ASSERT_TRUE(unpacks(packing::godot_clip, clip, {32002}));
  EXPECT_EQ(out[33], 0x55);
  EXPECT_EQ(out[34], 0);
  EXPECT_FALSE(unpacks(packing::godot_clip, {'G', 'O', 'D', '1', 0, 0, 41, 1, 0xAD}, {32002}));
}

// The commands of a Hires Manager picture in the order they are read, from the file's end:
// three plain bytes (written at the top), then runs filling the rest of its 16050 bytes.
bytes hires_manager_commands() {
  bytes commands = {4, 9, 8, 7, 0, 252, 1};
  for (int k = 1; k < 62; ++k) commands.insert(commands.end(), {0, 255, 3});
  commands.insert(commands.end(), {0, 240, 5});
  return commands;
}

bytes hires_manager_file(const bytes& commands) {
  bytes file = {0x00, 0x40, 0, 0, 0xF2, 0x7F};
  file.resize(18);
  file.insert(file.end(), commands.rbegin(), commands.rend());
  const auto last = static_cast<uint16_t>(0x4000 - 3 + file.size());
  file[2] = static_cast<uint8_t>(last & 0xFF);
  file[3] = static_cast<uint8_t>(last >> 8);
  return file;
}

TEST(Packing, HiresManagerReadBackwards) {
  const bytes commands = hires_manager_commands();
  ASSERT_TRUE(unpacks(packing::hires_manager_backwards, hires_manager_file(commands), {16385}));
  EXPECT_EQ(bytes(out.bytes.begin() + 16368, out.bytes.begin() + 16373), bytes({1, 7, 8, 9, 0}));
  EXPECT_EQ(out[322], 5);
  EXPECT_EQ(out[3], 0xFF);  // row 0 as a plain file holds it
  bytes no_address = hires_manager_file(commands);
  ++no_address[2];
  EXPECT_FALSE(unpacks(packing::hires_manager_backwards, no_address, {16385}));
  const bytes early(commands.begin(), commands.end() - 3);
  EXPECT_FALSE(unpacks(packing::hires_manager_backwards, hires_manager_file(early), {16385}));
  bytes over = commands;
  over[over.size() - 2] = 241;
  EXPECT_FALSE(unpacks(packing::hires_manager_backwards, hires_manager_file(over), {16385}));
  bytes longer = commands;
  longer.push_back(1);  // a byte after the picture is full is left unread
  EXPECT_TRUE(unpacks(packing::hires_manager_backwards, hires_manager_file(longer), {16385}));
}

bytes deflated(size_t size) {
  const bytes body = counting_bytes(size);
  bytes packed(compressBound(size));
  uLongf packed_size = packed.size();
  compress2(packed.data(), &packed_size, body.data(), body.size(), Z_DEFAULT_COMPRESSION);
  packed.resize(packed_size);
  return packed;
}

TEST(Packing, ZlibStreamOfExactlyTheBody) {
  const bytes packed = deflated(10001);
  ASSERT_TRUE(unpacks(packing::zlib, packed, {10003}));
  EXPECT_EQ(bytes(out.bytes.begin() + 2, out.bytes.begin() + 10003), counting_bytes(10001));
  EXPECT_FALSE(unpacks(packing::zlib, deflated(10000), {10003}));
  EXPECT_FALSE(unpacks(packing::zlib, deflated(10002), {10003}));
  EXPECT_FALSE(unpacks(packing::zlib, bytes(packed.begin(), packed.end() - 1), {10003}));
  bytes padded = packed;
  padded.push_back(0);
  EXPECT_FALSE(unpacks(packing::zlib, padded, {10003}));
}

struct real_packed {
  std::string_view file;
  uint8_t format_id;   // what its name, size and load address say it is
  packing scheme;      // a scheme to try it with
  uint32_t size;       // what the scheme unpacks it to, load address included
  bool packed = true;  // false: the scheme refuses it
};

const real_packed real_files[] = {
    {"devbrain__onyx_image__abydos.gg", 19, packing::fe_runs, 10003},
    {"devbrain__onyx_image__godot.JJ", 39, packing::fe_runs, 9218},
    {"devbrain__onyx_image__64er.ami", 40, packing::amica_runs, 10259},
    {"devbrain__onyx_image__kugel.ami", 40, packing::amica_runs, 10259},
    {"devbrain__onyx_image__AIRPORT.AMI", 40, packing::amica_runs, 10259},
    {"devbrain__onyx_image__RAYTRACE.DRL", 41, packing::drazlace_runs, 18242},
    {"devbrain__onyx_image__madhead.drl", 41, packing::drazlace_runs, 18242},
    {"devbrain__onyx_image__benz.fp", 43, packing::funpaint_runs, 33694},
    // Plain files of the same extensions stay plain.
    {"monstergdc__CommodoreC64-Delphi__tyrant_1.drl", 6, packing::drazlace_runs, 18242, false},
    {"monstergdc__CommodoreC64-Delphi__logo1.him", 38, packing::hires_manager_backwards, 16385,
     false},
    {"monstergdc__CommodoreC64-Delphi__Valsary.fun", 13, packing::funpaint_runs, 33694, false},
};

std::span<const uint8_t> peek_into(const bytes& file, uint32_t count) {
  return std::span(file).first(std::min<size_t>(count, file.size()));
}

TEST(Packing, RealPackedPictures) {
  const std::filesystem::path folder = VELORA_REAL_PICTURES_DIR;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no real pictures at hand";
  for (const real_packed& real : real_files) {
    const bytes file = read_file_bytes(folder / real.file);
    EXPECT_EQ(identify_file(real.file, static_cast<int64_t>(file.size()),
                            [&](uint32_t count) { return peek_into(file, count); }),
              real.format_id)
        << real.file;
    EXPECT_EQ(unpacks(real.scheme, file, {real.size}), real.packed) << real.file;
  }
  // What the unpacked files hold, where a plain file tells it.
  const bytes koala = read_file_bytes(folder / "devbrain__onyx_image__abydos.koa");
  ASSERT_TRUE(unpacks(packing::fe_runs, read_file_bytes(folder / "devbrain__onyx_image__abydos.gg"),
                      {10003}));
  EXPECT_TRUE(std::equal(koala.begin() + 2, koala.end(), out.bytes.begin() + 2));
  // Draz Lace's flag for shifting frame 2: off in one picture, on in the other.
  ASSERT_TRUE(unpacks(packing::drazlace_runs,
                      read_file_bytes(folder / "devbrain__onyx_image__RAYTRACE.DRL"), {18242}));
  EXPECT_EQ(out[10052], 0);
  ASSERT_TRUE(unpacks(packing::drazlace_runs,
                      read_file_bytes(folder / "devbrain__onyx_image__madhead.drl"), {18242}));
  EXPECT_EQ(out[10052], 1);
}

TEST(Packing, ZlibKoalaPicturesOnARealDisk) {
  const std::filesystem::path image =
      std::filesystem::path(VELORA_REAL_PICTURES_DIR) / "mad4j__c64-sweet80s__sweet80s.d64";
  if (!std::filesystem::exists(image)) GTEST_SKIP() << "no real disk image at hand";
  const auto opened = std::make_unique<container_stack>();
  ASSERT_TRUE(opened->open(image.string()));
  static file_buffer file;
  for (uint32_t index = 1; index <= 7; ++index) {
    const result<entry_bytes> entry = opened->read(index, file.bytes);
    ASSERT_TRUE(entry) << index;
    const auto size = static_cast<uint32_t>(entry->size);
    EXPECT_EQ(
        identify_by_content(
            size,
            [&](uint32_t count) { return std::span(file.bytes).first(std::min(count, size)); },
            file_place::disk_image),
        45)
        << entry->name;
    EXPECT_TRUE(
        unpacks(packing::zlib, bytes(file.bytes.begin(), file.bytes.begin() + size), {10003}))
        << entry->name;
  }
}

}  // namespace
