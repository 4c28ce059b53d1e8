#include <gtest/gtest.h>

#include "listing/container_rows.h"
#include "support/d64_image.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

// The rows of a disk image's directory, as the browser and the list command show them.
std::vector<entry_row> disk_rows(std::span<const d64_file> files) {
  temp_folder folder;
  write_file_bytes(folder / "x.d64", d64_image_of(files));
  const auto opened = std::make_unique<container_stack>();
  EXPECT_TRUE(opened->open(folder.at("x.d64")).ok());
  container_listing listing;
  list_all_entries(*opened, listing);
  EXPECT_TRUE(listing.problems.empty());
  return listing.rows;
}

TEST(DiskRows, PrgRowsShowSizeAndFormatNameOtherTypesNeither) {
  const std::vector<uint8_t> picture = counting_bytes(10018), odd = counting_bytes(1234);
  const std::vector<d64_file> files = {
      {"PIC", 0x82, picture}, {"A", 0x82, odd},     {"S", 0x81, picture}, {"U", 0x83, picture},
      {"R", 0x84, picture},   {"D", 0x80, picture}, {"Q", 0x85, picture}};
  const std::vector<entry_row> rows = disk_rows(files);
  ASSERT_EQ(rows.size(), files.size());
  EXPECT_EQ(rows[0].name, "PIC             ");
  EXPECT_EQ(rows[0].type, "PRG");
  EXPECT_EQ(rows[0].size, "10018");
  EXPECT_EQ(rows[0].format, "Advanced Art Studio 160x200");
  EXPECT_EQ(rows[1].format, "Unknown VELORA format");
  const std::vector<std::string> types = {"SEQ", "USR", "REL", "DEL", "???"};
  for (size_t k = 0; k < types.size(); ++k) {
    EXPECT_EQ(rows[k + 2].type, types[k]);
    EXPECT_EQ(rows[k + 2].size, "");
    EXPECT_EQ(rows[k + 2].format, "");
  }
}

TEST(DiskRows, NamesKeepTheirRawBytes) {
  const std::vector<uint8_t> data = counting_bytes(10);
  const std::vector<d64_file> files = {{std::string("A\0\xFF\x7F \xC1"
                                                    "BCDEFGHIJ\x1F",
                                                    16),
                                        0x82, data}};
  const std::vector<entry_row> rows = disk_rows(files);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, std::string("A\0\xFF\x7F \xC1"
                                      "BCDEFGHIJ\x1F",
                                      16));
}

// What a batch renders and a container's thumbnail shows: program files of a known format.
TEST(DiskRows, OnlyProgramFilesOfAKnownFormatShowPictures) {
  const std::vector<uint8_t> picture = counting_bytes(10018), odd = counting_bytes(1234);
  const std::vector<d64_file> files = {
      {"PIC", 0x82, picture}, {"A", 0x82, odd}, {"S", 0x81, picture}};
  const std::vector<entry_row> rows = disk_rows(files);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(row_shows_picture(rows[0]));
  EXPECT_FALSE(row_shows_picture(rows[1]));
  EXPECT_FALSE(row_shows_picture(rows[2]));
}

}  // namespace
