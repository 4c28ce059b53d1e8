#include <gtest/gtest.h>

#include <algorithm>

#include "d64_test_image.h"

namespace {

struct chain_reader {
  std::unique_ptr<d64_reader> reader = make_reader();
  std::unique_ptr<file_buffer> file = std::make_unique<file_buffer>();

  explicit chain_reader(const test_image& image) {
    std::copy(image.bytes.begin(), image.bytes.end(), reader->disk_image.begin());
    std::fill(file->bytes.begin(), file->bytes.end(), 0x5A);
  }
  sector_chain read(int track, int sector) {
    return read_file_chain(*reader, track, sector, *file);
  }
};

// Expects bytes 2..255 of the sector at file index start (wrapping at 65536).
void expect_sector_at(test_image& image, const file_buffer& file, int track, int sector,
                      int start) {
  const uint8_t* data = image.sector(track, sector);
  for (int i = 0; i < 254; ++i)
    ASSERT_EQ(file[static_cast<uint16_t>(start + i)], data[2 + i])
        << "track " << track << " sector " << sector << " byte " << i;
}

TEST(ReadFileChain, CopiesDataBytesInChainOrderWithTheLastSectorWhole) {
  test_image image;
  image.fill_data(3, 5);
  image.fill_data(3, 15);
  image.link(3, 5, 3, 15);
  image.link(3, 15, 0, 10);
  chain_reader chain(image);
  chain.read(3, 5);
  expect_sector_at(image, *chain.file, 3, 5, 0);
  expect_sector_at(image, *chain.file, 3, 15, 254);
  EXPECT_EQ((*chain.file)[508], 0x5A);
}

TEST(ReadFileChain, ChainLongerThan258SectorsWrapsInsideTheBuffer) {
  test_image image;
  // 300 sectors: every sector of tracks 1..14 (294) and 6 of track 15.
  std::vector<std::pair<int, int>> chain_sectors;
  for (int t = 1; t <= 15 && chain_sectors.size() < 300; ++t)
    for (int s = 0; s < d64_kind.sectors_per_track[t] && chain_sectors.size() < 300; ++s)
      chain_sectors.emplace_back(t, s);
  for (size_t k = 0; k < chain_sectors.size(); ++k) {
    const auto [t, s] = chain_sectors[k];
    image.fill_data(t, s);
    if (k + 1 < chain_sectors.size())
      image.link(t, s, chain_sectors[k + 1].first, chain_sectors[k + 1].second);
    else
      image.link(t, s, 0, 255);
  }
  chain_reader chain(image);
  chain.read(1, 0);
  // Sector 258 starts at 65532: its first 4 bytes end the buffer, the rest wrap to index 0.
  expect_sector_at(image, *chain.file, chain_sectors[258].first, chain_sectors[258].second,
                   258 * 254);
  expect_sector_at(image, *chain.file, chain_sectors[299].first, chain_sectors[299].second,
                   (299 * 254) % 65536);
  expect_sector_at(image, *chain.file, chain_sectors[259].first, chain_sectors[259].second, 250);
  // Past the wrapped tail the first pass's data stay.
  expect_sector_at(image, *chain.file, chain_sectors[50].first, chain_sectors[50].second, 50 * 254);
}

TEST(ReadFileChain, SelfLoopingSectorIsCopiedOnceAndBreaksTheChain) {
  test_image image;
  image.fill_data(20, 3);
  image.link(20, 3, 20, 3);
  chain_reader chain(image);
  const sector_chain read = chain.read(20, 3);
  expect_sector_at(image, *chain.file, 20, 3, 0);
  EXPECT_EQ((*chain.file)[254], 0x5A);
  EXPECT_EQ(read.size_bytes, 254);
  EXPECT_EQ(read.end.fault, chain_fault::repeats_a_sector);
}

TEST(ReadFileChain, CrossLinkedChainEndsAtTheFirstRevisit) {
  test_image image;
  for (int s : {0, 1, 2}) image.fill_data(30, s);
  image.link(30, 0, 30, 1);
  image.link(30, 1, 30, 2);
  image.link(30, 2, 30, 1);
  chain_reader chain(image);
  EXPECT_EQ(chain.read(30, 0).size_bytes, 762);
  expect_sector_at(image, *chain.file, 30, 2, 508);
  EXPECT_EQ((*chain.file)[762], 0x5A);
}

// A link off the disk copies nothing more: no stale sector stands in for the missing one.
TEST(ReadFileChain, LinkOffTheDiskCopiesOnlyTheSectorsThatExist) {
  test_image image;
  image.fill_data(9, 9);
  image.link(9, 9, 9, 21);
  chain_reader chain(image);
  read_sector(*chain.reader, 9, 9);
  const sector_chain first_missing = chain.read(0, 0);
  EXPECT_EQ((*chain.file)[0], 0x5A);
  EXPECT_EQ(first_missing.size_bytes, 0);
  EXPECT_EQ(first_missing.end.fault, chain_fault::off_the_disk);
  const sector_chain later_missing = chain.read(9, 9);
  expect_sector_at(image, *chain.file, 9, 9, 0);
  EXPECT_EQ((*chain.file)[254], 0x5A);
  EXPECT_EQ(later_missing.size_bytes, 254);
  EXPECT_EQ(later_missing.end.sector, 21);
}

}  // namespace
