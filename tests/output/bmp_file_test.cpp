#include "output/bmp_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "output/export_bitmap.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

uint32_t u32_at(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// Every pixel encodes its own position, with different values in each channel.
surface position_surface() {
  surface s = create_surface(screen_width, screen_height);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      s.pixels[y * s.width + x] = ((y & 0xFF) << 16) | ((x & 0xFF) << 8) | ((x + y) & 0xFF);
  return s;
}

class BmpFile : public testing::Test {
 protected:
  void TearDown() override { chmod(dir.path().c_str(), 0755); }
  size_t entries() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
  }
  // The file write_bmp_file makes of the bitmap.
  std::vector<uint8_t> written(const export_bitmap& bitmap) {
    const fs::path target = dir / "written.bmp";
    const result<> written = write_bmp_file(target.string(), bitmap);
    EXPECT_TRUE(written.ok()) << written.error();
    return read_file_bytes(target);
  }

  temp_folder dir;
};

// Rows of every width come out blue, green, red with zero padding, and nothing past a row's
// bytes is written, though the packing stores many bytes at a time.
TEST(ExportBitmap, PacksRowsOfEveryWidthWithinTheirBytes) {
  for (int width = 1; width <= 24; ++width) {
    surface s = create_surface(width, 1);
    for (int x = 0; x < width; ++x) s.pixels[x] = 0x00102030u + 0x00010101u * x;
    const size_t row_bytes = bitmap_row_bytes(width);
    std::vector<uint8_t> out(row_bytes + 16, 0xAA);
    pack_bitmap_row(s, 0, out.data());
    for (int x = 0; x < width; ++x) {
      EXPECT_EQ(out[3 * x], 0x30 + x) << width;
      EXPECT_EQ(out[3 * x + 1], 0x20 + x) << width;
      EXPECT_EQ(out[3 * x + 2], 0x10 + x) << width;
    }
    for (size_t at = 3 * width; at < row_bytes; ++at) EXPECT_EQ(out[at], 0) << width;
    for (size_t at = row_bytes; at < out.size(); ++at) EXPECT_EQ(out[at], 0xAA) << width;
  }
}

TEST_F(BmpFile, HeadersDescribe800x600At24Bits) {
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const std::vector<uint8_t> b = written(bitmap);
  ASSERT_EQ(b.size(), 1440054u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(u32_at(b, 2), 1440054u);
  EXPECT_EQ(u32_at(b, 6), 0u);
  EXPECT_EQ(u32_at(b, 10), 54u);
  EXPECT_EQ(u32_at(b, 14), 40u);
  EXPECT_EQ(u32_at(b, 18), 800u);
  EXPECT_EQ(u32_at(b, 22), 600u);
  EXPECT_EQ(b[26] | (b[27] << 8), 1);
  EXPECT_EQ(b[28] | (b[29] << 8), 24);
  EXPECT_EQ(u32_at(b, 30), 0u);
  EXPECT_EQ(u32_at(b, 34), 1440000u);
  for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(u32_at(b, at), 0u) << at;
}

TEST_F(BmpFile, RowsAreBottomUpInBlueGreenRedOrder) {
  const surface s = position_surface();
  export_bitmap bitmap;
  bitmap.take_surface(s);
  const std::vector<uint8_t> b = written(bitmap);
  for (int row = 0; row < 600; ++row) {
    const int y = 599 - row;
    for (int x = 0; x < 800; x += 7) {
      const size_t at = 54 + static_cast<size_t>(row) * 2400 + x * 3;
      const uint32_t pixel = s.at(x, y);
      ASSERT_EQ(b[at], pixel & 0xFF) << x << "," << y;
      ASSERT_EQ(b[at + 1], (pixel >> 8) & 0xFF) << x << "," << y;
      ASSERT_EQ(b[at + 2], (pixel >> 16) & 0xFF) << x << "," << y;
    }
  }
}

TEST_F(BmpFile, RowsOfOddWidthArePaddedToFourBytes) {
  export_bitmap bitmap;
  bitmap.take_surface(create_surface(3, 2));
  EXPECT_EQ(bitmap.row_bytes(), 12u);
  const std::vector<uint8_t> b = written(bitmap);
  EXPECT_EQ(b.size(), 54u + 24u);
  EXPECT_EQ(u32_at(b, 34), 24u);
}

TEST_F(BmpFile, WritesTheFileAndReplacesAnExistingOne) {
  const fs::path target = dir / "shot";
  std::ofstream(target) << "old";
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const result<> written = write_bmp_file(target.string(), bitmap);
  ASSERT_TRUE(written.ok()) << written.error();
  const std::vector<uint8_t> b = read_file_bytes(target);
  ASSERT_EQ(b.size(), 1440054u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[54], 0x57);  // blue of (0, 599): (0 + 599) & 0xFF
  EXPECT_EQ(entries(), 1u);
}

TEST_F(BmpFile, MissingDirectoryCannotBeCreated) {
  const std::string target = (dir / "no-such-dir" / "shot.bmp").string();
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const result<> written = write_bmp_file(target, bitmap);
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.error(), "Cannot create file " + target);
}

TEST_F(BmpFile, ReadOnlyDirectoryLeavesTheTargetUntouched) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path target = dir / "shot.bmp";
  std::ofstream(target) << "old";
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const result<> written = write_bmp_file(target.string(), bitmap);
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.error(), "Cannot create file " + target.string());
  EXPECT_EQ(read_file_bytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST_F(BmpFile, TargetThatIsADirectoryIsLeftAndNoTemporaryFileRemains) {
  const fs::path target = dir / "taken";
  fs::create_directory(target);
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const result<> written = write_bmp_file(target.string(), bitmap);
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.error(), "Cannot create file " + target.string());
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(BmpFile, WriteFailureIsAStreamErrorAndKeepsTheOldFile) {
  const fs::path target = dir / "shot.bmp";
  std::ofstream(target) << "old";
  export_bitmap bitmap;
  bitmap.take_surface(position_surface());
  const result<> written = [&] {
    const file_size_limit full(100000);  // the write fails part-way
    return write_bmp_file(target.string(), bitmap);
  }();
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.error(), "Stream write error");
  EXPECT_EQ(read_file_bytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(entries(), 1u);
}

// Written band by band from the surface, the file is the one the bitmap gives, for a picture
// of many bands, for odd widths with padding and for a surface narrower than a band's row.
TEST_F(BmpFile, TheSurfaceWrittenBandByBandIsTheBitmapsFile) {
  surface wide = create_surface(30001, 3);
  for (size_t i = 0; i < wide.pixels.size(); ++i) wide.pixels[i] = static_cast<uint32_t>(i * 977);
  for (const surface& s : {position_surface(), create_surface(3, 2), wide}) {
    export_bitmap bitmap;
    bitmap.take_surface(s);
    const fs::path target = dir / "banded.bmp";
    ASSERT_TRUE(write_bmp_file(target.string(), s).ok());
    EXPECT_TRUE(read_file_bytes(target) == written(bitmap)) << s.width;
  }
  const fs::path target = dir / "banded.bmp";
  const result<> failed = [&] {
    const file_size_limit full(100000);
    return write_bmp_file(target.string(), position_surface());
  }();
  EXPECT_EQ(failed.error(), "Stream write error");
  EXPECT_EQ(entries(), 2u);  // the two complete files above, no temporary one
}

TEST_F(BmpFile, NewFileIsReadableByOthersAsUmaskAllows) {
  const fs::path target = dir / "shot.bmp";
  const mode_t old_mask = umask(022);
  export_bitmap bitmap;
  bitmap.take_surface(create_surface(4, 4));
  ASSERT_TRUE(write_bmp_file(target.string(), bitmap).ok());
  umask(old_mask);
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

}  // namespace
