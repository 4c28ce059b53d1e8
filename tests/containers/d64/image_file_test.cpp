#include <gtest/gtest.h>
#include <sys/stat.h>

#include "d64_test_image.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

test_image one_entry_image(std::string_view name) {
  test_image image;
  image.entry(1, 0, 0x82, 1, 0, name);
  image.link(18, 1, 0, 255);
  return image;
}

class ImageFile : public ::testing::Test {
 protected:
  temp_folder dir;
  std::unique_ptr<d64_reader> reader = make_reader();

  // Lists an image named FIRST first, so a failure shows whether it was walked over.
  void list_first_image() {
    write_file_bytes(dir / "first.d64", one_entry_image("FIRST").bytes);
    ASSERT_TRUE(read_directory(*reader, dir / "first.d64"));
    ASSERT_EQ(reader->dir_entry_count, 1);
  }
};

TEST_F(ImageFile, ExactImageIsRead) {
  list_first_image();
  EXPECT_EQ(name_of(reader->dir_entries[0]).substr(0, 5), "FIRST");
}

TEST_F(ImageFile, SizesOfNoKindAreRefusedAndLeaveThePreviousImage) {
  list_first_image();
  for (size_t size : {174847u, 174849u, 175530u, 196607u, 197377u, 349697u, 819199u, 822401u}) {
    test_image image = one_entry_image("ODD");
    image.bytes.resize(size, 0x82);
    const auto path = dir / ("odd" + std::to_string(size) + ".d64");
    write_file_bytes(path, image.bytes);
    EXPECT_FALSE(read_directory(*reader, path)) << size;
    EXPECT_EQ(reader->dir_entry_count, 0) << size;
    std::filesystem::remove(path);
  }
  EXPECT_EQ(reader->disk_image[d64_kind.track_offsets[18] + 256 + 5], 'F');
  EXPECT_EQ(reader->kind, &d64_kind);
}

TEST_F(ImageFile, MissingImageFailsWithNoEntries) {
  list_first_image();
  EXPECT_FALSE(read_directory(*reader, dir / "missing.d64"));
  EXPECT_EQ(reader->dir_entry_count, 0);
}

TEST_F(ImageFile, DirectoryFails) {
  list_first_image();
  std::filesystem::create_directory(dir / "folder.d64");
  EXPECT_FALSE(read_directory(*reader, dir / "folder.d64"));
  EXPECT_EQ(reader->dir_entry_count, 0);
}

TEST_F(ImageFile, ShortImageFailsAndLeavesThePreviousImage) {
  list_first_image();
  test_image image = one_entry_image("SHORT");
  image.bytes.resize(d64_image_size - 1);
  write_file_bytes(dir / "short.d64", image.bytes);
  EXPECT_FALSE(read_directory(*reader, dir / "short.d64"));
  EXPECT_EQ(reader->dir_entry_count, 0);
  EXPECT_EQ(reader->disk_image[d64_kind.track_offsets[18] + 256 + 5], 'F');
}

TEST_F(ImageFile, EmptyFileFails) {
  write_file_bytes(dir / "empty.d64", {});
  EXPECT_FALSE(read_directory(*reader, dir / "empty.d64"));
}

// Nothing writes to the FIFO: opening it must not wait for a writer.
TEST_F(ImageFile, FifoIsRefusedAtOnce) {
  list_first_image();
  const auto fifo = dir / "pipe.d64";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const result<> read = read_directory(*reader, fifo);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error(), "is not a regular file");
  EXPECT_EQ(reader->dir_entry_count, 0);
}

TEST(ImageBytes, OnlyImageSizesAreRead) {
  auto reader = make_reader();
  test_image image = one_entry_image("MEM");
  EXPECT_FALSE(
      read_directory_from_bytes(*reader, std::span(image.bytes).first(d64_image_size - 1)));
  EXPECT_EQ(reader->dir_entry_count, 0);
  image.bytes.resize(d64_image_size + 1, 0x82);
  EXPECT_FALSE(read_directory_from_bytes(*reader, image.bytes));
  image.bytes.resize(d64_image_size + 683, 0x82);
  EXPECT_TRUE(read_directory_from_bytes(*reader, image.bytes));
  EXPECT_EQ(reader->dir_entry_count, 1);
}

}  // namespace
