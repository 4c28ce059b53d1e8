#include "formats/picture_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

uint8_t offset_byte(uint32_t offset) {
  return static_cast<uint8_t>(offset * 7 + (offset >> 8));
}

class PictureFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "velora-files-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    buffer.bytes.fill(0xEE);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string write_file(const std::string& name, uint32_t size) {
    std::vector<char> bytes(size);
    for (uint32_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(offset_byte(i));
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(bytes.data(), size);
    return path;
  }

  std::filesystem::path dir;
  file_buffer buffer;
};

TEST_F(PictureFileTest, WholeFileFromIndexZero) {
  const result<uint32_t> read = read_picture_file(write_file("a.vic", 17666), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 17666u);
  for (uint32_t i = 0; i < 17666; ++i) ASSERT_EQ(buffer.bytes[i], offset_byte(i)) << i;
  EXPECT_EQ(buffer.bytes[17666], 0xEE);
  EXPECT_EQ(buffer.bytes[65535], 0xEE);
}

TEST_F(PictureFileTest, ShortFileKeepsTheBytesBeyondIt) {
  const result<uint32_t> read = read_picture_file(write_file("short.vic", 100), buffer);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 100u);
  EXPECT_EQ(buffer.bytes[99], offset_byte(99));
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
  for (uint32_t i = 0; i < 65536; ++i) ASSERT_EQ(buffer.bytes[i], offset_byte(i)) << i;
}

TEST_F(PictureFileTest, MissingFileLeavesTheBufferAlone) {
  const result<uint32_t> read = read_picture_file((dir / "missing.vic").string(), buffer);
  EXPECT_FALSE(read.ok());
  for (uint32_t i = 0; i < 65536; ++i) ASSERT_EQ(buffer.bytes[i], 0xEE) << i;
}

TEST_F(PictureFileTest, DirectoryIsNotAPicture) {
  std::filesystem::create_directory(dir / "folder.vic");
  const result<uint32_t> read = read_picture_file((dir / "folder.vic").string(), buffer);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(buffer.bytes[0], 0xEE);
}

}  // namespace
