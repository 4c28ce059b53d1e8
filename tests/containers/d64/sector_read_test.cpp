#include <gtest/gtest.h>

#include <algorithm>

#include "d64_test_image.h"

namespace {

// An image whose every byte differs from its neighbours and names its sector.
std::unique_ptr<d64_reader> reader_over_distinct_image() {
  auto reader = make_reader();
  for (int i = 0; i < d64_image_size; ++i)
    reader->disk_image[i] = static_cast<uint8_t>(i / d64_sector_size * 7 + i % d64_sector_size);
  return reader;
}

void expect_sector_copied(const d64_reader& reader, int track, int sector) {
  const int offset = d64_kind.track_offsets[track] + sector * d64_sector_size;
  EXPECT_TRUE(std::equal(reader.sector_buffer.begin(), reader.sector_buffer.end(),
                         reader.disk_image.begin() + offset))
      << "track " << track << " sector " << sector;
}

TEST(SectorTable, OffsetsFollowSectorCounts) {
  EXPECT_EQ(d64_kind.track_offsets[1], 0);
  EXPECT_EQ(d64_kind.track_offsets[2], 5376);
  EXPECT_EQ(d64_kind.track_offsets[17], 86016);
  EXPECT_EQ(d64_kind.track_offsets[18], 91392);
  EXPECT_EQ(d64_kind.track_offsets[24], 120576);
  EXPECT_EQ(d64_kind.track_offsets[25], 125440);
  EXPECT_EQ(d64_kind.track_offsets[30], 148480);
  EXPECT_EQ(d64_kind.track_offsets[31], 153088);
  EXPECT_EQ(d64_kind.track_offsets[35], 170496);
  EXPECT_EQ(d64_kind.sectors_per_track[17], 21);
  EXPECT_EQ(d64_kind.sectors_per_track[18], 19);
  EXPECT_EQ(d64_kind.sectors_per_track[24], 19);
  EXPECT_EQ(d64_kind.sectors_per_track[25], 18);
  EXPECT_EQ(d64_kind.sectors_per_track[30], 18);
  EXPECT_EQ(d64_kind.sectors_per_track[31], 17);
}

TEST(ReadSector, CopiesTheLastSectorOfEachZone) {
  auto reader = reader_over_distinct_image();
  for (const auto& [track, sector] : {std::pair{1, 0},
                                      {1, 20},
                                      {17, 20},
                                      {18, 0},
                                      {18, 18},
                                      {24, 18},
                                      {25, 17},
                                      {30, 17},
                                      {31, 16},
                                      {35, 16}}) {
    read_sector(*reader, track, sector);
    expect_sector_copied(*reader, track, sector);
  }
}

TEST(ReadSector, SectorsBeyondTheTrackOrOutsideTracksFail) {
  auto reader = reader_over_distinct_image();
  for (const auto& [track, sector] : {std::pair{1, 21},
                                      {18, 19},
                                      {35, 17},
                                      {0, 0},
                                      {36, 0},
                                      {255, 255},
                                      {24, 19},
                                      {25, 18},
                                      {31, 17}}) {
    std::fill(reader->sector_buffer.begin(), reader->sector_buffer.end(), 0xEE);
    reader->sector_buffer[1] = 0x11;
    read_sector(*reader, track, sector);
    EXPECT_EQ(reader->sector_buffer[0], 0) << "track " << track << " sector " << sector;
    EXPECT_EQ(reader->sector_buffer[1], 0x11);
    EXPECT_TRUE(std::all_of(reader->sector_buffer.begin() + 2, reader->sector_buffer.end(),
                            [](uint8_t b) { return b == 0xEE; }));
  }
}

}  // namespace
