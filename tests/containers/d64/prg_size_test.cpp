#include <gtest/gtest.h>

#include <utility>
#include <vector>

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
  const dir_entry entry = disk.sizes()->dir_entries[0];
  EXPECT_EQ(entry.size_bytes, 10018);
  EXPECT_FALSE(entry.chain.broken());
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

// A chain breaks at the first link that leaves the disk or comes back to a sector it has read:
// the size is then the 254 data bytes of every sector read, and the break names the link.
TEST(ComputePrgSizes, BrokenChainsGiveTheBytesReadAndWhereTheyBreak) {
  // The sectors in chain order from the directory's first one; the last is where it breaks.
  struct broken_case {
    std::vector<std::pair<int, int>> chain;
    int32_t size;
    chain_fault fault;
  };
  const broken_case cases[] = {
      {{{5, 3}, {5, 3}}, 254, chain_fault::repeats_a_sector},
      {{{6, 0}, {6, 1}, {6, 0}}, 508, chain_fault::repeats_a_sector},
      {{{36, 0}}, 0, chain_fault::off_the_disk},
      {{{1, 21}}, 0, chain_fault::off_the_disk},
      {{{8, 0}, {99, 99}}, 254, chain_fault::off_the_disk},
      {{{2, 0}, {2, 1}, {36, 98}}, 508, chain_fault::off_the_disk},
  };
  for (const broken_case& c : cases) {
    sized_image disk;
    disk.image.entry(1, 0, 0x82, c.chain[0].first, c.chain[0].second, "BROKEN");
    for (size_t k = 0; k + 1 < c.chain.size(); ++k)
      disk.image.link(c.chain[k].first, c.chain[k].second, c.chain[k + 1].first,
                      c.chain[k + 1].second);
    const dir_entry entry = disk.sizes()->dir_entries[0];
    const auto [track, sector] = c.chain.back();
    EXPECT_EQ(entry.size_bytes, c.size) << track << "/" << sector;
    EXPECT_EQ(entry.chain.fault, c.fault) << track << "/" << sector;
    EXPECT_EQ(entry.chain.track, track);
    EXPECT_EQ(entry.chain.sector, sector);
  }
}

TEST(ComputePrgSizes, LastSectorIndexBelowTwoHoldsNoData) {
  for (const uint8_t index : {0, 1}) {
    sized_image disk;
    disk.image.entry(1, 0, 0x82, 1, 0, "EMPTY");
    disk.image.link(1, 0, 0, index);
    const dir_entry entry = disk.sizes()->dir_entries[0];
    EXPECT_EQ(entry.size_bytes, 0) << int{index};
    EXPECT_FALSE(entry.chain.broken());
  }
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
  EXPECT_EQ(reader->dir_entries[0].size_bytes, 254 * 682);
  EXPECT_EQ(reader->dir_entries[0].chain.fault, chain_fault::repeats_a_sector);
}

}  // namespace
