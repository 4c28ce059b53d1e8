#include <gtest/gtest.h>

#include "containers/d64/d64_entry.h"
#include "d64_test_image.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

TEST(ParseD64EntryRef, ImageAndIndex) {
  const auto ref = parse_d64_entry_ref("dir/Disk.D64:12");
  ASSERT_TRUE(ref);
  EXPECT_EQ(ref->image, "dir/Disk.D64");
  EXPECT_EQ(ref->index, 12u);
  EXPECT_EQ(parse_d64_entry_ref("a:b/x.d64:0")->image, "a:b/x.d64");
}

TEST(ParseD64EntryRef, OtherInputsAreNotReferences) {
  for (const char* input : {"pic.prg", "disk.d64", "disk.d64:", "disk.d64:-1", "disk.d64:+1",
                            "disk.d64:1a", "disk.prg:1", "d64:1", ".d6:1"})
    EXPECT_FALSE(parse_d64_entry_ref(input)) << input;
}

TEST(ParseD64EntryRef, HugeIndexSaturates) {
  EXPECT_EQ(parse_d64_entry_ref("x.d64:99999999999999999999")->index, 0xFFFFFFFFu);
}

class ReadD64Entry : public ::testing::Test {
 protected:
  temp_folder dir;
  std::unique_ptr<d64_reader> reader = make_reader();
  std::unique_ptr<file_buffer> file = std::make_unique<file_buffer>();

  void SetUp() override {
    test_image image;
    image.entry(1, 0, 0x81, 2, 0, "NOTES");
    image.entry(1, 1, 0x82, 3, 0, "PIC");
    image.link(18, 1, 0, 255);
    image.fill_data(3, 0);
    image.link(3, 0, 0, 101);
    write_file_bytes(dir / "disk.d64", image.bytes);
  }
  result<d64_entry_read> read(uint32_t index) {
    return read_d64_entry(*reader, {dir.at("disk.d64"), index}, *file);
  }
};

TEST_F(ReadD64Entry, PrgEntryIsCopiedWithItsSizeAndName) {
  const result<d64_entry_read> entry = read(1);
  ASSERT_TRUE(entry) << entry.error();
  EXPECT_EQ(entry->size_bytes, 100);
  EXPECT_EQ(entry->name, "PIC             ");
  EXPECT_EQ((*file)[0], reader->disk_image[d64_kind.track_offsets[3] + 2]);
}

TEST_F(ReadD64Entry, FailuresAreTold) {
  EXPECT_EQ(read(0).error(), "the directory entry is not a PRG file");
  EXPECT_EQ(read(2).error(), no_such_entry_message);
  EXPECT_EQ(read_d64_entry(*reader, {(dir / "none.d64").string(), 0}, *file).error(),
            "cannot read the disk image: No such file or directory");
}

}  // namespace
