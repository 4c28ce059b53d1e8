#include "containers/t64/t64_read.h"

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/t64_image.h"

namespace {

struct listed_tape {
  std::vector<uint8_t> bytes;
  std::vector<t64_entry> entries;
  bool truncated = false;
  result<> read = {};
};

listed_tape list(std::vector<uint8_t> bytes, size_t max_entries = 100) {
  listed_tape tape{std::move(bytes), {}, false, {}};
  tape.read =
      read_t64_directory(memory_source(tape.bytes), tape.entries, max_entries, tape.truncated);
  return tape;
}

TEST(T64Directory, ListsUsedRecordsWithNamesTypesAndSizes) {
  const std::vector<tape_file> files = {
      {"KOALA", counting_bytes(10001, 1), 0x6000},
      {"NOTES", counting_bytes(300, 2), 0x0801, 0, 0x81},
      {"OLD TOOL", counting_bytes(50, 3), 0x0801, 0, 0x01},
  };
  const listed_tape tape = list(t64_image_of(files));
  ASSERT_TRUE(tape.read.ok()) << tape.read.error();
  ASSERT_EQ(tape.entries.size(), 3u);
  EXPECT_EQ(std::string(tape.entries[0].name.begin(), tape.entries[0].name.end()),
            "KOALA           ");
  EXPECT_EQ(tape.entries[0].size(), 10003);
  EXPECT_EQ(tape.entries[0].start_address, 0x6000);
  EXPECT_EQ(tape.entries[1].file_type, d64_file_type::seq);
  // Old tapes store 0x01 where a disk has 0x82.
  EXPECT_EQ(tape.entries[2].file_type, d64_file_type::prg);
  EXPECT_FALSE(tape.truncated);
}

TEST(T64Directory, WrongEndAddressesTakeTheSizeFromTheNextFileOrTheTapesEnd) {
  const std::vector<tape_file> files = {
      {"CONVERTED", counting_bytes(9000, 1), 0x6000, t64_flawed_end_address},
      {"BACKWARDS", counting_bytes(700, 2), 0x4000, 0x3000},
      {"TOO LONG", counting_bytes(100, 3), 0x2000, 0x9000},
      {"PADDED", counting_bytes(500, 4), 0x1000, 0x1000 + 400},
  };
  const listed_tape tape = list(t64_image_of(files));
  ASSERT_EQ(tape.entries.size(), 4u);
  EXPECT_EQ(tape.entries[0].data_size, 9000u);  // up to the next file's data
  EXPECT_EQ(tape.entries[1].data_size, 700u);   // an end before the start
  EXPECT_EQ(tape.entries[2].data_size, 100u);   // more than lies before the next file
  EXPECT_EQ(tape.entries[3].data_size, 400u);   // a right end address is kept
}

TEST(T64Directory, FileIsReadAsAPrgWithItsLoadAddressFirst) {
  const std::vector<uint8_t> data = counting_bytes(10001, 5);
  const std::vector<tape_file> files = {{"A", counting_bytes(10, 9)}, {"KOALA", data, 0x6000}};
  const listed_tape tape = list(t64_image_of(files));
  std::vector<uint8_t> out(65536, 0xEE);
  const result<size_t> read = read_t64_file(memory_source(tape.bytes), tape.entries[1], out);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(*read, 10003u);
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0x60);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin() + 2));
  EXPECT_EQ(out[10003], 0xEE);
  // A buffer too small takes what fits, never more.
  std::vector<uint8_t> small(100);
  EXPECT_EQ(*read_t64_file(memory_source(tape.bytes), tape.entries[1], small), 100u);
}

TEST(T64Directory, DamagedTapesAreRefusedOrCutShort) {
  EXPECT_FALSE(list({'C', '6', '4'}).read.ok());
  std::vector<uint8_t> not_a_tape(200, 0x41);
  EXPECT_EQ(list(not_a_tape).read.error(), "is not a T64 tape image");

  // Data past the file's end.
  std::vector<tape_file> files = {{"CUT", counting_bytes(1000, 1), 0x0801}};
  std::vector<uint8_t> bytes = t64_image_of(files);
  bytes.resize(bytes.size() - 400);
  const listed_tape cut = list(bytes);
  ASSERT_TRUE(cut.read.ok());
  ASSERT_EQ(cut.entries.size(), 1u);
  EXPECT_EQ(cut.entries[0].data_size, 600u);

  // A header that claims more records than the file holds.
  std::vector<uint8_t> claims = t64_image_of(std::span<const tape_file>(files), 0);
  claims.resize(64 + 32);
  claims[34] = 0xFF;
  claims[35] = 0xFF;
  const listed_tape claimed = list(claims);
  ASSERT_EQ(claimed.entries.size(), 1u);
  EXPECT_EQ(claimed.entries[0].data_size, 0u);

  // More used records than a listing takes.
  const std::vector<tape_file> many(5, tape_file{"SAME", counting_bytes(10)});
  const listed_tape capped = list(t64_image_of(many), 3);
  EXPECT_EQ(capped.entries.size(), 3u);
  EXPECT_TRUE(capped.truncated);
}

}  // namespace
