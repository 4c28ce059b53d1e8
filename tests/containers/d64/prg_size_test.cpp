#include <gtest/gtest.h>

#include "d64_test_image.h"

namespace {

// One directory sector at 18/1 holding the given entries, all at 1/0 unless changed.
struct sized_image {
  test_image image;
  sized_image() { image.link(18, 1, 0, 255); }
  std::unique_ptr<d64_reader> sizes() {
    auto reader = make_reader();
    EXPECT_TRUE(read_directory_from_bytes(*reader, image.bytes));
    compute_prg_sizes(*reader);
    return reader;
  }
};

TEST(ComputePrgSizes, OneFullSectorIs254) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 1, 0, "A");
  disk.image.link(1, 0, 0, 255);
  EXPECT_EQ(disk.sizes()->dir_entries[0].size_bytes, 254);
}

TEST(ComputePrgSizes, TwoSectorsEndingAtByteTwoIs255) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 1, 0, "A");
  disk.image.link(1, 0, 1, 10);
  disk.image.link(1, 10, 0, 2);
  EXPECT_EQ(disk.sizes()->dir_entries[0].size_bytes, 255);
}

TEST(ComputePrgSizes, ArtStudioSizeOver40Sectors) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 2, 0, "PIC");
  for (int s = 0; s < 20; ++s) disk.image.link(2, s, 2, s + 1);
  disk.image.link(2, 20, 3, 0);
  for (int s = 0; s < 18; ++s) disk.image.link(3, s, 3, s + 1);
  // 39 full sectors of 254 bytes, then 112 bytes: 10018.
  disk.image.link(3, 18, 0, 113);
  EXPECT_EQ(disk.sizes()->dir_entries[0].size_bytes, 10018);
}

TEST(ComputePrgSizes, OtherTypesKeepTheirSize) {
  sized_image disk;
  const uint8_t types[] = {0x80, 0x81, 0x83, 0x84, 0x85};
  for (int e = 0; e < 5; ++e) disk.image.entry(1, e, types[e], 1, 0, "X");
  disk.image.entry(1, 5, 0x82, 1, 0, "P");
  disk.image.link(1, 0, 0, 100);
  auto reader = make_reader();
  ASSERT_TRUE(read_directory_from_bytes(*reader, disk.image.bytes));
  for (int k = 0; k < 6; ++k) reader->dir_entries[k].size_bytes = 1000 + k;
  compute_prg_sizes(*reader);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(reader->dir_entries[k].size_bytes, 1000 + k) << k;
  EXPECT_EQ(reader->dir_entries[5].size_bytes, 99);
}

TEST(ComputePrgSizes, SelfLoopingChainCountsItsSectorOnce) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 5, 3, "LOOP");
  disk.image.link(5, 3, 5, 3);
  // One sector walked; its byte 1 (the link's sector, 3) stands for the last index.
  EXPECT_EQ(disk.sizes()->dir_entries[0].size_bytes, 2);
}

TEST(ComputePrgSizes, ChainRunningIntoAnotherFileEndsAtItsLoop) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 6, 0, "FIRST");
  disk.image.entry(1, 1, 0x82, 7, 0, "CROSS");
  disk.image.link(6, 0, 6, 1);
  disk.image.link(6, 1, 6, 0);  // loops back to its start
  disk.image.link(7, 0, 6, 1);  // joins the first file's loop
  auto reader = disk.sizes();
  EXPECT_EQ(reader->dir_entries[0].size_bytes, 254 * 1 + 0 - 1);
  EXPECT_EQ(reader->dir_entries[1].size_bytes, 254 * 2 + 1 - 1);
}

TEST(ComputePrgSizes, FailedLinkCountsAsASectorWithTheStaleIndex) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 8, 0, "BROKEN");
  disk.image.link(8, 0, 36, 0);  // track 36 does not exist: the read fails
  EXPECT_EQ(disk.sizes()->dir_entries[0].size_bytes, 254 * 1 + 0 - 1);
}

TEST(ComputePrgSizes, WholeDiskChainEnds) {
  sized_image disk;
  disk.image.entry(1, 0, 0x82, 1, 0, "ALL");
  // Every sector links to the next in image order; the last links back to the first.
  int previous_track = 1, previous_sector = 0;
  for (int t = 1; t <= 35; ++t) {
    for (int s = 0; s < d64_kind.sectors_per_track[t]; ++s) {
      if (t == 1 && s == 0) continue;
      if (t == 18 && s == 1) continue;  // keep the directory sector
      disk.image.link(previous_track, previous_sector, t, s);
      previous_track = t;
      previous_sector = s;
    }
  }
  disk.image.link(previous_track, previous_sector, 1, 0);
  auto reader = disk.sizes();
  EXPECT_EQ(reader->dir_entries[0].size_bytes, 254 * 681 + 0 - 1);
}

}  // namespace
