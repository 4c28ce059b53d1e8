#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "output/safe_file_write.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

const std::vector<uint8_t> written = counting_bytes(300);

result<> write_in_place(const std::string& path) {
  const std::span<const uint8_t> parts[] = {written};
  return write_file_safely(path, parts, {.in_place = true});
}

ino_t inode_of(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0);
  return info.st_ino;
}

// A thumbnail service makes the file, keeps it open and reads the picture back through its own
// descriptor: the bytes must reach that very file, not one renamed over it.
TEST(InPlaceWrite, AnExistingFileIsWrittenWhereItIs) {
  temp_folder dir;
  write_file_bytes(dir / "thumb.png", counting_bytes(1000, 3));
  const int reader = ::open(dir.at("thumb.png").c_str(), O_RDONLY);
  ASSERT_GE(reader, 0);
  const ino_t before = inode_of(dir / "thumb.png");
  ASSERT_TRUE(write_in_place(dir.at("thumb.png")).ok());
  std::vector<uint8_t> seen(2000);
  const ssize_t count = ::pread(reader, seen.data(), seen.size(), 0);
  ::close(reader);
  seen.resize(static_cast<size_t>(std::max<ssize_t>(count, 0)));
  EXPECT_EQ(seen, written);  // shorter than before: truncated
  EXPECT_EQ(inode_of(dir / "thumb.png"), before);
}

TEST(InPlaceWrite, ALinkIsReplacedAndWhatItNamesLeftAlone) {
  temp_folder dir;
  write_file_bytes(dir / "target", counting_bytes(10, 5));
  std::filesystem::create_symlink(dir / "target", dir / "thumb.png");
  ASSERT_TRUE(write_in_place(dir.at("thumb.png")).ok());
  EXPECT_FALSE(std::filesystem::is_symlink(dir / "thumb.png"));
  EXPECT_EQ(read_file_bytes(dir / "thumb.png"), written);
  EXPECT_EQ(read_file_bytes(dir / "target"), counting_bytes(10, 5));
}

// A FIFO without a reader would block an open for writing: it is replaced as any non-file is.
TEST(InPlaceWrite, NoFileOrAFifoGetsANewFile) {
  temp_folder dir;
  ASSERT_TRUE(write_in_place(dir.at("new.png")).ok());
  EXPECT_EQ(read_file_bytes(dir / "new.png"), written);
  ASSERT_EQ(::mkfifo(dir.at("fifo.png").c_str(), 0600), 0);
  ASSERT_TRUE(write_in_place(dir.at("fifo.png")).ok());
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "fifo.png"));
  EXPECT_EQ(read_file_bytes(dir / "fifo.png"), written);
}

}  // namespace
