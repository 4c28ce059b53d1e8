#include "formats/picture_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/files.h"
#include "support/temp_folder.h"

namespace {

class PictureFileTest : public testing::Test {
 protected:
  void SetUp() override { buffer.bytes.fill(0xEE); }

  // Whether the buffer starts with the first count bytes of a written file.
  bool holds_file_bytes(uint32_t count) const {
    const std::vector<uint8_t> bytes = counting_bytes(count);
    return std::equal(bytes.begin(), bytes.end(), buffer.bytes.begin());
  }

  std::string write_file(const std::string& name, uint32_t size) {
    write_file_bytes(dir / name, counting_bytes(size));
    return dir.at(name);
  }

  temp_folder dir;
  file_buffer buffer;
};

TEST_F(PictureFileTest, WholeFileFromIndexZero) {
  const result<uint32_t> read = read_picture_file(write_file("a.vic", 17666), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 17666u);
  EXPECT_TRUE(holds_file_bytes(17666));
  EXPECT_EQ(buffer.bytes[17666], 0xEE);
  EXPECT_EQ(buffer.bytes[65535], 0xEE);
}

TEST_F(PictureFileTest, ShortFileKeepsTheBytesBeyondIt) {
  const result<uint32_t> read = read_picture_file(write_file("short.vic", 100), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 100u);
  EXPECT_TRUE(holds_file_bytes(100));
  for (uint32_t i = 100; i < 65536; ++i) ASSERT_EQ(buffer.bytes[i], 0xEE) << i;
}

TEST_F(PictureFileTest, EmptyFileReadsNothing) {
  const result<uint32_t> read = read_picture_file(write_file("empty.vic", 0), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 0u);
  EXPECT_EQ(buffer.bytes[0], 0xEE);
}

TEST_F(PictureFileTest, LongFileGivesItsFirst65536Bytes) {
  const result<uint32_t> read = read_picture_file(write_file("long.vic", 70000), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 65536u);
  EXPECT_TRUE(holds_file_bytes(65536));
}

TEST_F(PictureFileTest, MissingFileLeavesTheBufferAlone) {
  const result<uint32_t> read = read_picture_file(dir.at("missing.vic"), buffer);
  EXPECT_FALSE(read.ok());
  for (uint32_t i = 0; i < 65536; ++i) ASSERT_EQ(buffer.bytes[i], 0xEE) << i;
}

TEST_F(PictureFileTest, DirectoryIsNotAPicture) {
  std::filesystem::create_directory(dir / "folder.vic");
  const result<uint32_t> read = read_picture_file(dir.at("folder.vic"), buffer);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(buffer.bytes[0], 0xEE);
}

}  // namespace
