#include <gtest/gtest.h>

#include "d64_test_image.h"

namespace {

std::unique_ptr<d64_reader> list(const test_image& image) {
  auto reader = make_reader();
  EXPECT_TRUE(read_directory_from_bytes(*reader, image.bytes));
  return reader;
}

TEST(ReadDirectory, AllZeroImageIsEmpty) {
  test_image image;
  EXPECT_EQ(list(image)->dir_entry_count, 0);
}

TEST(ReadDirectory, TypeBytesNameTheTypes) {
  test_image image;
  const uint8_t types[] = {0x00, 0x80, 0x82, 0x02, 0xC2, 0x85, 0x81, 0x83};
  for (int e = 0; e < 8; ++e) image.entry(1, e, types[e], 17, e, "F");
  image.entry(4, 0, 0x84, 17, 9, "REL");
  image.link(18, 1, 18, 4);
  image.link(18, 4, 0, 255);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 8);
  const char* expected[] = {"Del", "Prg", "Prg", "Prg", "???", "Seq", "Usr", "Rel"};
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(file_type_text(reader->dir_entries[k].file_type), expected[k]) << k;
  // The skipped 0x00 slot does not shift the first sectors: entry 1 of the sector is record 0.
  EXPECT_EQ(reader->dir_entries[0].first_sector, 1);
}

TEST(ReadDirectory, TypeBitsThreeToSixAreIgnoredAndOpenFilesListed) {
  test_image image;
  image.entry(1, 0, 0x7A, 1, 0, "A");  // bits 3..6 set, type 2, not closed
  image.entry(1, 1, 0x78, 1, 1, "B");  // bits 3..6 only: an empty slot
  image.entry(1, 2, 0x07, 1, 2, "C");
  image.link(18, 1, 0, 255);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 2);
  EXPECT_EQ(file_type_text(reader->dir_entries[0].file_type), "Prg");
  EXPECT_EQ(file_type_text(reader->dir_entries[1].file_type), "???");
}

TEST(ReadDirectory, FieldsComeFromTheirBytes) {
  test_image image;
  image.entry(1, 3, 0x82, 23, 11, "PICTURE", 0x1234);
  image.link(18, 1, 0, 255);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 1);
  const dir_entry& entry = reader->dir_entries[0];
  EXPECT_EQ(entry.first_track, 23);
  EXPECT_EQ(entry.first_sector, 11);
  EXPECT_EQ(entry.blocks, 0x1234);
}

TEST(ReadDirectory, A0PaddingAndA0InsideBecomeSpaces) {
  test_image image;
  image.entry(1, 0, 0x82, 1, 0, "AB\xA0\x43\x05\xFF");
  image.entry(1, 1, 0x82, 1, 1, "SIXTEEN CHARS XY");
  image.link(18, 1, 0, 255);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 2);
  EXPECT_EQ(name_of(reader->dir_entries[0]), std::string("AB C\x05\xFF          ", 16));
  EXPECT_EQ(name_of(reader->dir_entries[1]), "SIXTEEN CHARS XY");
}

TEST(ReadDirectory, FullStandardDirectoryLists144Entries) {
  test_image image;
  int previous = 1;
  for (int d = 0; d < 18; ++d) {
    const int sector = d + 1;
    if (d > 0) image.link(18, previous, 18, sector);
    for (int e = 0; e < 8; ++e) image.entry(sector, e, 0x82, 1 + d, e, std::to_string(d * 8 + e));
    previous = sector;
  }
  image.link(18, previous, 0, 255);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 144);
  EXPECT_EQ(name_of(reader->dir_entries[143]).substr(0, 3), "143");
  EXPECT_EQ(reader->dir_entries[143].first_track, 18);
}

// A 1541's directory holds 144 entries, however far a damaged chain runs.
TEST(ReadDirectory, ChainOnOtherTracksStopsStoringAt144) {
  test_image image;
  // 18/1, then every sector of tracks 19..23 in turn: far more than 144 used entries.
  int track = 18, sector = 1;
  for (int t = 19; t <= 23; ++t) {
    for (int s = 0; s < d64_kind.sectors_per_track[t]; ++s) {
      image.link(track, sector, t, s);
      track = t;
      sector = s;
    }
  }
  for (int t = 19; t <= 23; ++t)
    for (int s = 0; s < d64_kind.sectors_per_track[t]; ++s)
      for (int e = 0; e < 8; ++e) image.sector(t, s)[e * 32 + 2] = 0x81;
  for (int e = 0; e < 8; ++e) image.sector(18, 1)[e * 32 + 2] = 0x82;
  auto reader = list(image);
  EXPECT_EQ(reader->dir_entry_count, 144);
  EXPECT_EQ(file_type_text(reader->dir_entries[7].file_type), "Prg");
  EXPECT_EQ(file_type_text(reader->dir_entries[143].file_type), "Seq");
}

TEST(ReadDirectory, LoopingDirectoryEndsAfterEachSectorOnce) {
  test_image image;
  image.entry(1, 0, 0x82, 1, 0, "ONE");
  image.entry(4, 0, 0x81, 1, 1, "TWO");
  image.link(18, 1, 18, 4);
  image.link(18, 4, 18, 1);
  auto reader = list(image);
  ASSERT_EQ(reader->dir_entry_count, 2);
  EXPECT_EQ(name_of(reader->dir_entries[1]).substr(0, 3), "TWO");
}

TEST(ReadDirectory, SelfLinkedDirectorySectorIsListedOnce) {
  test_image image;
  image.entry(1, 0, 0x82, 1, 0, "ONLY");
  image.link(18, 1, 18, 1);
  EXPECT_EQ(list(image)->dir_entry_count, 1);
}

TEST(ReadDirectory, LinkToMissingSectorDoesNotListTheLastSectorAgain) {
  test_image image;
  image.entry(1, 0, 0x82, 1, 0, "ONE");
  image.link(18, 1, 18, 19);
  EXPECT_EQ(list(image)->dir_entry_count, 1);
}

TEST(ReadDirectory, RecordsBeyondTheCountKeepTheirValues) {
  test_image longer;
  for (int e = 0; e < 3; ++e) longer.entry(1, e, 0x82, 5, e, "OLD");
  longer.link(18, 1, 0, 255);
  test_image shorter;
  shorter.entry(1, 0, 0x81, 6, 0, "NEW");
  shorter.link(18, 1, 0, 255);
  auto reader = make_reader();
  ASSERT_TRUE(read_directory_from_bytes(*reader, longer.bytes));
  ASSERT_TRUE(read_directory_from_bytes(*reader, shorter.bytes));
  EXPECT_EQ(reader->dir_entry_count, 1);
  EXPECT_EQ(file_type_text(reader->dir_entries[0].file_type), "Seq");
  EXPECT_EQ(reader->dir_entries[2].first_sector, 2);
}

}  // namespace
