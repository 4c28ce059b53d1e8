#include "listing/container_rows.h"

#include <gtest/gtest.h>

#include "support/archive_maker.h"
#include "support/c64_files.h"
#include "support/d64_image.h"
#include "support/files.h"
#include "support/t64_image.h"
#include "support/temp_folder.h"

namespace {

// A Koala picture: 10003 bytes loaded at $6000, which its name and size name alike.

class ContainerRows : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<uint8_t> picture = koala_picture(1);
    const std::vector<d64_file> on_disk = {{"DISK KOALA", 0x82, picture}};
    std::vector<uint8_t> tape_data(picture.begin() + 2, picture.end());
    const std::vector<tape_file> on_tape = {{"TAPE KOALA", tape_data, 0x6000}};
    files = {
        {"pics/a/sunset.koa", koala_picture(2)},
        {"pics/b.koa", koala_picture(3)},
        {"disk.d64", d64_image_of(on_disk)},
        {"tape.t64", t64_image_of(on_tape)},
        {"pic.p00", pc64_file_of("PC KOALA", koala_picture(4))},
        {"readme.txt", counting_bytes(40)},
        {"../evil.koa", koala_picture(5)},
    };
    write_file_bytes(folder / "c.zip", make_archive(archive_form::zip, files));
    ASSERT_TRUE(opened->open(folder.at("c.zip")).ok());
  }

  std::vector<std::string> texts(const container_listing& listing) const {
    std::vector<std::string> out;
    for (const entry_row& row : listing.rows)
      out.push_back(std::to_string(row.entry) + "|" + row.name + "|" + row.type + "|" + row.size +
                    "|" + std::string(row.format) + "|" + row.c64_name);
    return out;
  }

  temp_folder folder;
  std::vector<archived> files;
  std::unique_ptr<container_stack> opened = std::make_unique<container_stack>();
  container_listing listing;
};

TEST_F(ContainerRows, AFolderListsItsFoldersContainersAndPicturesLeavingOddNamesOut) {
  list_folder(*opened, "", listing);
  EXPECT_EQ(texts(listing), (std::vector<std::string>{
                                "0|pics|<DIR>|||",
                                "2|disk.d64|<D64>|||",
                                "3|tape.t64|<T64>|||",
                                "4|pic.p00|<PC64>|10003|Koala Painter 160x200|PC KOALA        ",
                            }));
  ASSERT_EQ(listing.problems.size(), 1u);
  EXPECT_EQ(listing.problems[0], "entry \"../evil.koa\" is left out: its name is no plain path");
  list_folder(*opened, "pics/", listing);
  EXPECT_EQ(texts(listing), (std::vector<std::string>{
                                "0|a|<DIR>|||", "1|b.koa|<File>|10003|Koala Painter 160x200|"}));
}

TEST_F(ContainerRows, TheListCommandsRowsAreEveryEntryByItsWholePath) {
  list_all_entries(*opened, listing);
  ASSERT_EQ(listing.rows.size(), files.size());
  EXPECT_EQ(texts(listing)[5], "5|readme.txt|<File>|40||");
  EXPECT_EQ(listing.rows[6].name, "../evil.koa");
  EXPECT_EQ(listing.problems,
            std::vector<std::string>{"entry \"../evil.koa\" has a name that is no plain path"});
}

TEST_F(ContainerRows, DisksAndTapesInsideAreEnteredAndTheirPicturesRead) {
  for (const uint32_t index : {2u, 3u}) {
    ASSERT_TRUE(opened->enter(index).ok());
    list_folder(*opened, "", listing);
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0].type, "PRG");
    EXPECT_EQ(listing.rows[0].format, "Koala Painter 160x200");
    file_buffer file;
    const result<entry_bytes> read = opened->read(0, file.bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    const std::vector<uint8_t> expected = koala_picture(1);
    EXPECT_EQ(read->size, expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), file.bytes.begin()));
    EXPECT_EQ(identify_read_entry(*opened, *read, file.bytes).format_id, listing.rows[0].format_id);
    opened->leave();
  }
  EXPECT_EQ(opened->depth(), 1);
  EXPECT_EQ(opened->enter(5).error(), "the entry is not a disk image, tape, PC64 file or archive");
}

TEST_F(ContainerRows, APc64FilesPictureStartsPastItsHeader) {
  list_folder(*opened, "", listing);
  const uint8_t listed_format = listing.rows.back().format_id;
  ASSERT_NE(listed_format, 0);
  file_buffer file;
  const result<entry_bytes> read = opened->read(4, file.bytes);
  ASSERT_TRUE(read.ok());
  const entry_picture picture = identify_read_entry(*opened, *read, file.bytes);
  EXPECT_EQ(picture.name, "Pic.p00");
  EXPECT_EQ(picture.offset, 26u);
  EXPECT_EQ(picture.size, 10003u);
  EXPECT_EQ(picture.format_id, listed_format);
  // The same file on the host is a container of one entry.
  write_file_bytes(folder / "pic.p00", files[4].bytes);
  ASSERT_TRUE(opened->open(folder.at("pic.p00")).ok());
  list_all_entries(*opened, listing);
  EXPECT_EQ(texts(listing),
            (std::vector<std::string>{"0|PC KOALA        |PRG|10003|Koala Painter 160x200|"}));
}

TEST_F(ContainerRows, GzippedDiskImagesAndNestingBeyondTheDepthCap) {
  write_file_bytes(folder / "disk.d64.gz",
                   make_archive(archive_form::gz, std::span(files).subspan(2, 1)));
  ASSERT_TRUE(opened->open(folder.at("disk.d64.gz")).ok());
  list_all_entries(*opened, listing);
  EXPECT_EQ(texts(listing),
            (std::vector<std::string>{"0|DISK KOALA      |PRG|10003|Koala Painter 160x200|"}));

  std::vector<uint8_t> nested = make_archive(archive_form::zip, files);
  for (int depth = 0; depth < 3; ++depth)
    nested = make_archive(archive_form::zip, std::vector<archived>{{"inner.zip", nested}});
  write_file_bytes(folder / "deep.zip", nested);
  ASSERT_TRUE(opened->open(folder.at("deep.zip")).ok());
  EXPECT_TRUE(opened->enter(0).ok());
  EXPECT_TRUE(opened->enter(0).ok());
  EXPECT_EQ(opened->enter(0).error(), "containers nest deeper than 3");
  EXPECT_EQ(opened->depth(), 3);
}

}  // namespace
