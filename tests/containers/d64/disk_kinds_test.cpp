#include <gtest/gtest.h>

#include "d64_test_image.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "tools/make-d64/d64_writer.h"

namespace {

// A filler file that, after the two blocks of the notes, takes the sectors the writer fills
// first, so that the picture after it runs onto the kind's far tracks; and the highest track the
// picture's chain then reaches.
struct kind_case {
  const disk_kind* kind;
  int filler_blocks;
  int highest_track;
};

void PrintTo(const kind_case& c, std::ostream* out) {
  *out << c.kind->name << " of " << c.kind->track_count << " tracks";
}

class DiskKind : public ::testing::TestWithParam<kind_case> {
 protected:
  temp_folder dir;
};

// The highest track of the chain from track/sector.
int highest_track(d64_reader& reader, int track, int sector) {
  int highest = 0;
  while (track != 0 && reader.kind->has_sector(track, sector)) {
    highest = std::max(highest, track);
    read_sector(reader, static_cast<uint8_t>(track), static_cast<uint8_t>(sector));
    track = reader.sector_buffer[0];
    sector = reader.sector_buffer[1];
  }
  return highest;
}

TEST_P(DiskKind, WrittenImageListsAndReadsBackWithOrWithoutErrorBytes) {
  const kind_case& c = GetParam();
  const disk_kind& kind = *c.kind;
  const std::vector<uint8_t> notes = counting_bytes(300, 1),
                             filler = counting_bytes(c.filler_blocks * 254, 2),
                             picture = counting_bytes(10018, 3);
  const std::vector<d64_file> files = {
      {"NOTES", 0x81, notes}, {"FILLER", 0x82, filler}, {"PICTURE", 0x82, picture}};
  std::vector<uint8_t> image(kind.image_size);
  ASSERT_TRUE(build_disk_image(kind, "KINDS", "K1", files, image).ok);
  write_file_bytes(dir / "plain.img", image);
  image.resize(kind.image_size_with_errors(), 0x82);  // error bytes that would list if read
  write_file_bytes(dir / "errors.img", image);

  auto plain = make_reader();
  auto with_errors = make_reader();
  ASSERT_TRUE(read_directory(*plain, dir / "plain.img"));
  ASSERT_TRUE(read_directory(*with_errors, dir / "errors.img"));
  for (d64_reader* reader : {plain.get(), with_errors.get()}) {
    EXPECT_EQ(reader->kind, &kind);
    compute_prg_sizes(*reader);
    ASSERT_EQ(reader->dir_entry_count, 3);
    EXPECT_EQ(name_of(reader->dir_entries[0]), "NOTES           ");
    EXPECT_EQ(reader->dir_entries[0].file_type, d64_file_type::seq);
    EXPECT_EQ(reader->dir_entries[1].size_bytes, c.filler_blocks * 254);
    const dir_entry& entry = reader->dir_entries[2];
    EXPECT_EQ(entry.size_bytes, 10018);
    auto file = std::make_unique<file_buffer>();
    read_file_chain(*reader, entry.first_track, entry.first_sector, *file);
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), file->bytes.begin()));
    EXPECT_EQ(highest_track(*reader, entry.first_track, entry.first_sector), c.highest_track);
  }
}

// Tracks 1..35 hold 664 file sectors off the directory track; a D81 fills tracks 39 down to 1
// (40 sectors each) before it goes beyond its directory track 40.
INSTANTIATE_TEST_SUITE_P(AllKinds, DiskKind,
                         ::testing::Values(kind_case{&d64_kind, 0, 17},
                                           kind_case{&d64_40_track_kind, 662, 38},
                                           kind_case{&d71_kind, 662, 37},
                                           kind_case{&d81_kind, 39 * 40 - 2, 41}));

TEST(DiskKindBySize, EachImageSizeNamesItsKind) {
  const std::pair<uintmax_t, const disk_kind*> sizes[] = {{174848, &d64_kind},
                                                          {175531, &d64_kind},
                                                          {196608, &d64_40_track_kind},
                                                          {197376, &d64_40_track_kind},
                                                          {349696, &d71_kind},
                                                          {351062, &d71_kind},
                                                          {819200, &d81_kind},
                                                          {822400, &d81_kind},
                                                          {0, nullptr},
                                                          {174849, nullptr},
                                                          {822401, nullptr}};
  for (const auto& [size, kind] : sizes) EXPECT_EQ(disk_kind_by_size(size), kind) << size;
  EXPECT_EQ(d71_kind.name, "D71");
  EXPECT_EQ(disk_image_sizes_text(),
            "D64 174848, 175531, 196608 or 197376 bytes, D71 349696 or 351062 bytes, "
            "D81 819200 or 822400 bytes");
}

TEST(DiskKindSectors, EachKindReadsItsLastSectorsAndNoneBeyond) {
  auto reader = make_reader();
  for (const disk_kind* kind : {&d64_40_track_kind, &d71_kind, &d81_kind}) {
    test_image image(*kind);
    const int last = kind->track_count;
    const int last_sector = kind->sectors_per_track[last] - 1;
    image.fill_data(last, last_sector);
    ASSERT_TRUE(read_directory_from_bytes(*reader, image.bytes));
    read_sector(*reader, static_cast<uint8_t>(last), static_cast<uint8_t>(last_sector));
    EXPECT_TRUE(std::equal(reader->sector_buffer.begin() + 2, reader->sector_buffer.end(),
                           image.sector(last, last_sector) + 2))
        << kind->name;
    for (const auto& [track, sector] : {std::pair{last + 1, 0}, {last, last_sector + 1}}) {
      reader->sector_buffer[0] = 0xEE;
      read_sector(*reader, static_cast<uint8_t>(track), static_cast<uint8_t>(sector));
      EXPECT_EQ(reader->sector_buffer[0], 0) << kind->name << " " << track << "/" << sector;
    }
  }
}

TEST(DiskKindSectors, D71SecondSideRepeatsTheFirstSidesZones) {
  for (int track = 1; track <= 35; ++track)
    EXPECT_EQ(d71_kind.sectors_per_track[track + 35], d64_kind.sectors_per_track[track]);
  EXPECT_EQ(d71_kind.track_offsets[36], d64_image_size);
}

TEST(D81Chains, ChainLoopingOverMoreThan683SectorsEnds) {
  test_image image(d81_kind);
  image.entry(3, 0, 0x82, 41, 0, "LOOP");
  image.link(40, 3, 0, 255);
  // Every sector of tracks 41..80 links to the next; the last one back to the first.
  int previous_track = 41, previous_sector = 0;
  for (int track = 41; track <= 80; ++track) {
    for (int sector = 0; sector < 40; ++sector) {
      if (track == 41 && sector == 0) continue;
      image.link(previous_track, previous_sector, track, sector);
      previous_track = track;
      previous_sector = sector;
    }
  }
  image.link(previous_track, previous_sector, 41, 0);
  auto reader = make_reader();
  ASSERT_TRUE(read_directory_from_bytes(*reader, image.bytes));
  compute_prg_sizes(*reader);
  ASSERT_EQ(reader->dir_entry_count, 1);
  // 1600 sectors walked once each, then the link back to the first breaks the chain.
  EXPECT_EQ(reader->dir_entries[0].size_bytes, 254 * 1600);
  EXPECT_EQ(reader->dir_entries[0].chain.fault, chain_fault::repeats_a_sector);
}

// A 1581 directory holds 296 entries, and type 5 is a partition there (and no type on a 1541).
TEST(D81Directory, HoldsItsWholeDirectoryAndNamesPartitions) {
  const std::vector<uint8_t> data = counting_bytes(300, 4);
  std::vector<d64_file> files(d81_kind.directory_entries(), {"FILE", 0x82, data});
  files[100].type_byte = 0x85;
  std::vector<uint8_t> image(d81_kind.image_size);
  ASSERT_TRUE(build_disk_image(d81_kind, "FULL", "ID", files, image).ok);
  auto reader = make_reader();
  ASSERT_TRUE(read_directory_from_bytes(*reader, image));
  compute_prg_sizes(*reader);
  ASSERT_EQ(reader->dir_entry_count, 296);
  EXPECT_EQ(reader->dir_entries[295].size_bytes, 300);
  EXPECT_EQ(reader->dir_entries[100].file_type, d64_file_type::cbm);
  EXPECT_EQ(file_type_of(0x85), d64_file_type::unknown);
}

}  // namespace
