#include "tools/make-d64/d64_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "containers/d64/d64_test_image.h"
#include "support/files.h"

namespace {

struct built_disk {
  std::vector<std::vector<uint8_t>> contents;
  std::vector<d64_file> files;
  std::unique_ptr<std::array<uint8_t, d64_image_size>> image =
      std::make_unique<std::array<uint8_t, d64_image_size>>();

  void add(std::string name, uint8_t type, size_t size) {
    contents.push_back(counting_bytes(size, static_cast<unsigned>(contents.size())));
    files.push_back({std::move(name), type, {}});
  }
  d64_build_result build(std::string_view disk_name = "DISK") {
    for (size_t f = 0; f < files.size(); ++f) files[f].data = contents[f];
    return build_d64_image(disk_name, "ID", files, *image);
  }
};

std::unique_ptr<d64_reader> list(const built_disk& disk) {
  auto reader = make_reader();
  EXPECT_TRUE(read_directory_from_bytes(*reader, *disk.image));
  compute_prg_sizes(*reader);
  return reader;
}

TEST(D64Writer, FilesReadBackByteForByte) {
  built_disk disk;
  const size_t sizes[] = {0, 1, 253, 254, 255, 508, 509, 10018, 33602};
  for (size_t size : sizes) disk.add("F" + std::to_string(size), 0x82, size);
  ASSERT_TRUE(disk.build().ok);
  auto reader = list(disk);
  ASSERT_EQ(reader->dir_entry_count, std::size(sizes));
  auto file = std::make_unique<file_buffer>();
  for (size_t f = 0; f < std::size(sizes); ++f) {
    const dir_entry& entry = reader->dir_entries[f];
    EXPECT_EQ(entry.size_bytes, static_cast<int32_t>(sizes[f]));
    EXPECT_EQ(entry.blocks, d64_blocks_for(sizes[f]));
    EXPECT_EQ(name_of(entry), ("F" + std::to_string(sizes[f]) + "                ").substr(0, 16));
    read_file_chain(*reader, entry.first_track, entry.first_sector, *file);
    for (size_t i = 0; i < sizes[f]; ++i)
      ASSERT_EQ((*file)[static_cast<uint16_t>(i)], disk.contents[f][i])
          << "file " << f << " byte " << i;
  }
}

TEST(D64Writer, TypeBytesAndRawNamesAreStored) {
  built_disk disk;
  disk.add(
      "A\xA0"
      "B",
      0x81, 10);
  disk.add("SIXTEEN BYTES !!", 0xC2, 10);
  disk.add("GONE", 0x00, 10);
  disk.add("ODD", 0x85, 10);
  ASSERT_TRUE(disk.build().ok);
  auto reader = list(disk);
  ASSERT_EQ(reader->dir_entry_count, 3);
  EXPECT_EQ(file_type_text(reader->dir_entries[0].file_type), "Seq");
  EXPECT_EQ(name_of(reader->dir_entries[0]), "A B             ");
  EXPECT_EQ(file_type_text(reader->dir_entries[1].file_type), "Prg");
  EXPECT_EQ(name_of(reader->dir_entries[1]), "SIXTEEN BYTES !!");
  EXPECT_EQ(file_type_text(reader->dir_entries[2].file_type), "???");
}

TEST(D64Writer, FullDirectoryOf144Files) {
  built_disk disk;
  for (int f = 0; f < d64_max_files; ++f) disk.add("FILE " + std::to_string(f), 0x82, 1000);
  ASSERT_TRUE(disk.build().ok);
  auto reader = list(disk);
  ASSERT_EQ(reader->dir_entry_count, 144);
  EXPECT_EQ(name_of(reader->dir_entries[143]).substr(0, 8), "FILE 143");
  EXPECT_EQ(reader->dir_entries[143].size_bytes, 1000);
  disk.add("ONE MORE", 0x82, 1);
  const d64_build_result refused = disk.build();
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.error.find("directory full"), std::string::npos);
}

TEST(D64Writer, BamMarksExactlyTheUsedSectors) {
  built_disk disk;
  for (int f = 0; f < 20; ++f) disk.add("F", 0x82, 254 * 3 + f);
  ASSERT_TRUE(disk.build("MY DISK").ok);
  // Walk every chain the directory names, and the directory, to collect used sectors.
  std::set<int> used = {d64_kind.sector_number(18, 0)};
  auto reader = list(disk);
  const auto& image = *disk.image;
  auto walk = [&](int track, int sector) {
    while (track != 0) {
      EXPECT_TRUE(used.insert(d64_kind.sector_number(track, sector)).second) << "shared sector";
      const uint8_t* data = image.data() + d64_kind.track_offsets[track] + sector * 256;
      track = data[0];
      sector = data[1];
    }
  };
  walk(18, 1);
  for (int k = 0; k < reader->dir_entry_count; ++k) {
    EXPECT_NE(reader->dir_entries[k].first_track, 18);
    walk(reader->dir_entries[k].first_track, reader->dir_entries[k].first_sector);
  }
  const uint8_t* bam = image.data() + d64_kind.track_offsets[18];
  EXPECT_EQ(bam[0], 18);
  EXPECT_EQ(bam[1], 1);
  for (int t = 1; t <= 35; ++t) {
    int free_count = 0;
    for (int s = 0; s < d64_kind.sectors_per_track[t]; ++s) {
      const bool is_free = bam[4 * t + 1 + s / 8] >> (s % 8) & 1;
      EXPECT_EQ(is_free, !used.count(d64_kind.sector_number(t, s))) << t << "/" << s;
      free_count += is_free;
    }
    EXPECT_EQ(bam[4 * t], free_count) << "track " << t;
  }
  EXPECT_EQ(std::string(bam + 0x90, bam + 0x97), "MY DISK");
  EXPECT_EQ(bam[0x97], 0xA0);
  EXPECT_EQ(std::string(bam + 0xA2, bam + 0xA4), "ID");
}

TEST(D64Writer, FullDiskIsRefused) {
  built_disk fits;
  fits.add("ALL", 0x82, static_cast<size_t>(d64_file_sectors) * 254);
  ASSERT_TRUE(fits.build().ok);
  EXPECT_EQ(list(fits)->dir_entries[0].size_bytes, d64_file_sectors * 254);

  built_disk too_big;
  too_big.add("ALL", 0x82, static_cast<size_t>(d64_file_sectors) * 254);
  too_big.add("ONE MORE", 0x82, 0);
  const d64_build_result result = too_big.build();
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("disk full"), std::string::npos);
}

TEST(D64Writer, OverlongNamesAreRefused) {
  built_disk disk;
  disk.add("SEVENTEEN BYTES!!", 0x82, 1);
  EXPECT_FALSE(disk.build().ok);
  built_disk named;
  EXPECT_FALSE(named.build("SEVENTEEN BYTES!!").ok);
}

}  // namespace
