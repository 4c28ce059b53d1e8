#pragma once
// A fresh folder under the build tree with picture files whose bytes encode their offsets,
// and a disk image holding pictures, for the batch tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tools/make-d64/d64_writer.h"

inline std::vector<uint8_t> file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes that tell their offset apart, shifted by seed so files differ.
inline std::vector<uint8_t> picture_bytes(size_t size, unsigned seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8) + seed * 29);
  return bytes;
}

inline void write_bytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

class batch_test : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(BATCH_TEST_TMP_DIR) + "/batch-XXXXXX";
    std::filesystem::create_directories(BATCH_TEST_TMP_DIR);
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string at(const std::string& name) const { return (dir / name).string(); }
  void picture(const std::string& name, size_t size, unsigned seed) {
    write_bytes(dir / name, picture_bytes(size, seed));
  }
  // Entries: 0 a SEQ file, 1 a koala picture, 2 a size named but not shown, 3 a two-frame
  // picture with a name that needs cleaning, 4 a file whose size names nothing.
  void disk_image(const std::string& name) {
    koala = picture_bytes(10018, 11);
    interlace = picture_bytes(19434, 12);
    named_only = picture_bytes(9009, 13);
    odd = picture_bytes(500, 14);
    const std::vector<d64_file> files = {{"NOTES", 0x81, koala},
                                         {"KOALA PIC", 0x82, koala},
                                         {"STUDIO", 0x82, named_only},
                                         {"\x01SUN*SET ", 0x82, interlace},
                                         {"ODD", 0x82, odd}};
    auto image = std::make_unique<std::array<uint8_t, d64_image_size>>();
    ASSERT_TRUE(build_d64_image("BATCH", "B1", files, *image).ok);
    write_bytes(dir / name, *image);
  }

  std::filesystem::path dir;
  std::vector<uint8_t> koala, interlace, named_only, odd;
};
