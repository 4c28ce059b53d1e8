// Telling a file's format from its name, size and first bytes: one test per rule.
#include "formats/identify.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "formats/format_table.h"

namespace {

// A file's bytes for identification: the load address, then the data; counts the reads.
struct peeked_file {
  std::vector<uint8_t> bytes;
  int reads = 0;

  explicit peeked_file(uint16_t load_address, const std::vector<uint8_t>& data = {})
      : bytes(data.size() + 2) {
    bytes[0] = static_cast<uint8_t>(load_address);
    bytes[1] = static_cast<uint8_t>(load_address >> 8);
    std::copy(data.begin(), data.end(), bytes.begin() + 2);
  }
  file_peek peek() {
    return [this](uint32_t count) {
      ++reads;
      return std::span<const uint8_t>(bytes).first(std::min<size_t>(count, bytes.size()));
    };
  }
};

std::string_view name_of(uint8_t id) {
  return format_name(id);
}

TEST(IdentifyByContent, TheSeventeenSizesFirstWithoutReadingThenSizeAndLoadAddress) {
  peeked_file artist(0x4000);
  EXPECT_EQ(name_of(identify_by_content(10242, artist.peek(), file_place::host)),
            "Multi Color BPaddles 160x200");
  EXPECT_EQ(artist.reads, 0);
  peeked_file koala(0x6000), interpaint(0x4000), other(0x1234);
  EXPECT_EQ(name_of(identify_by_content(10003, koala.peek(), file_place::host)),
            "Koala Painter 160x200");
  EXPECT_EQ(name_of(identify_by_content(10003, interpaint.peek(), file_place::host)),
            "Interpaint Multi 160x200");
  EXPECT_EQ(identify_by_content(10003, other.peek(), file_place::host), 0);
  peeked_file hi_eddi(0x2000), doodle(0x5C00);
  EXPECT_EQ(name_of(identify_by_content(9218, hi_eddi.peek(), file_place::host)),
            "Hi-Eddi 320x200");
  EXPECT_EQ(name_of(identify_by_content(9218, doodle.peek(), file_place::host)), "Doodle 320x200");
}

// A deflated Koala picture has no extension of its own: it is told by unpacking it whole, which
// a disk image entry costs nothing, and a host file is not read for.
TEST(IdentifyByContent, APackedFormatWithoutExtensionOnlyInADiskImage) {
  std::vector<uint8_t> body(10001, 0x11), deflated(compressBound(body.size()));
  uLongf size = deflated.size();
  ASSERT_EQ(compress2(deflated.data(), &size, body.data(), body.size(), Z_DEFAULT_COMPRESSION),
            Z_OK);
  deflated.resize(size);
  peeked_file file(0x9C78, std::vector<uint8_t>(deflated.begin() + 2, deflated.end()));
  EXPECT_EQ(name_of(identify_by_content(size, file.peek(), file_place::disk_image)),
            "Koala Painter zlib 160x200");
  file.reads = 0;
  EXPECT_EQ(identify_by_content(size, file.peek(), file_place::host), 0);
  EXPECT_EQ(file.reads, 0);
}

TEST(IdentifyFile, AnExtensionNamesItsFormatWhenTheSizeFitsWhateverTheLoadAddress) {
  peeked_file artist(0x4000), paddles(0xA000), studio(0x2000);
  EXPECT_EQ(name_of(identify_file("a.A64", 10242, artist.peek())), "Artist 64 160x200");
  EXPECT_EQ(name_of(identify_file("a.a64", 10242, paddles.peek())), "Artist 64 160x200");
  EXPECT_EQ(name_of(identify_file("a.vic", 10242, paddles.peek())), "Multi Color BPaddles 160x200");
  EXPECT_EQ(name_of(identify_file("pic.koala", 10018, studio.peek())),
            "Advanced Art Studio 160x200");
  EXPECT_EQ(identify_file("pic.koa", 9999, studio.peek()), 0);
}

TEST(IdentifyFile, APackedFormatIsItsExtensionsWhenItUnpacksCleanly) {
  // Koala's 10001 data bytes as runs "0xFE value count", 39 runs of 255 and one of 56.
  std::vector<uint8_t> packed;
  for (int run = 0; run < 39; ++run) packed.insert(packed.end(), {0xFE, 0x11, 255});
  packed.insert(packed.end(), {0xFE, 0x22, 56});
  peeked_file gg(0x6000, packed);
  const auto size = static_cast<int64_t>(gg.bytes.size());
  EXPECT_EQ(name_of(identify_file("x.gg", size, gg.peek())), "Koala Painter GG 160x200");
  gg.bytes.resize(gg.bytes.size() - 3);  // ends early
  EXPECT_EQ(identify_file("x.gg", size - 3, gg.peek()), 0);
}

// A Draz Paint picture packed as runs "escape count value": its mark, the escape byte, then
// 10049 bytes of 0x11 as 39 runs of 255 and one of 104.
std::vector<uint8_t> packed_draz_paint() {
  const std::string_view mark = "DRAZPAINT 1.4";
  std::vector<uint8_t> data(mark.begin(), mark.end());
  data.push_back(0x99);
  for (int run = 0; run < 39; ++run) data.insert(data.end(), {0x99, 255, 0x11});
  data.insert(data.end(), {0x99, 104, 0x11});
  return data;
}

TEST(IdentifyFile, APackedPictureUnderAnotherPicturesNameIsToldByItsMark) {
  peeked_file draz(0x5800, packed_draz_paint());
  const auto size = static_cast<int64_t>(draz.bytes.size());
  EXPECT_EQ(name_of(identify_file("x.drp", size, draz.peek())), "Draz Paint packed 160x200");
  EXPECT_EQ(name_of(identify_file("x.koa", size, draz.peek())), "Draz Paint packed 160x200");
  // Files that no extension names are told by size alone: none is opened for its mark.
  draz.reads = 0;
  EXPECT_EQ(identify_file("x.vic", size, draz.peek()), 0);
  EXPECT_EQ(identify_file("x.prg", size, draz.peek()), 0);
  EXPECT_EQ(draz.reads, 0);
  EXPECT_EQ(name_of(identify_by_content(size, draz.peek(), file_place::disk_image)),
            "Draz Paint packed 160x200");
  // The mark alone is not enough: the stream must unpack.
  draz.bytes.resize(draz.bytes.size() - 3);
  EXPECT_EQ(identify_file("x.koa", size - 3, draz.peek()), 0);
  EXPECT_EQ(identify_by_content(size - 3, draz.peek(), file_place::disk_image), 0);
}

// In a disk image a packed file without a mark is tried at its format's load address, and its
// stream must end with the file; under its own extension, padding after the stream is taken.
TEST(IdentifyByContent, APackedFileWithoutMarkInADiskImageByUnpackingExactly) {
  std::vector<uint8_t> packed;
  for (int run = 0; run < 39; ++run) packed.insert(packed.end(), {0xFE, 0x11, 255});
  packed.insert(packed.end(), {0xFE, 0x22, 56});
  peeked_file gg(0x6000, packed);
  const auto size = static_cast<int64_t>(gg.bytes.size());
  EXPECT_EQ(name_of(identify_by_content(size, gg.peek(), file_place::disk_image)),
            "Koala Painter GG 160x200");
  gg.bytes.push_back(0);
  EXPECT_EQ(identify_by_content(size + 1, gg.peek(), file_place::disk_image), 0);
  EXPECT_EQ(name_of(identify_file("x.gg", size + 1, gg.peek())), "Koala Painter GG 160x200");
  gg.bytes.pop_back();
  gg.bytes[1] = 0x40;
  EXPECT_EQ(identify_by_content(size, gg.peek(), file_place::disk_image), 0);
}

// Koala Painter's files of 10001 bytes lack the load address: their extension tells them.
TEST(IdentifyFile, ASizeWithoutLoadAddressUnderItsExtensionOnly) {
  peeked_file headless(0x1234, std::vector<uint8_t>(9999, 0x11));
  EXPECT_EQ(name_of(identify_file("x.koa", 10001, headless.peek())), "Koala Painter 160x200");
  EXPECT_EQ(identify_file("x.vic", 10001, headless.peek()), 0);
  EXPECT_EQ(identify_by_content(10001, headless.peek(), file_place::disk_image), 0);
}

// A format with an arrangement takes a file when its arrangement does: BFLI by its size, load
// address and mark, in any file; Printfox pages, which have no load address, by name alone.
TEST(IdentifyFile, AnArrangedFormatIsItsFilesWhenItsArrangementTakesThem) {
  std::vector<uint8_t> data(33793);
  data[0] = 'b';
  peeked_file bfli(0x3BFF, data);
  EXPECT_EQ(name_of(identify_by_content(33795, bfli.peek(), file_place::host)), "BFLI 148x400");
  EXPECT_EQ(name_of(identify_file("x.BFL", 33795, bfli.peek())), "BFLI 148x400");
  data[0] = 'c';
  peeked_file unmarked(0x3BFF, data);
  EXPECT_EQ(identify_by_content(33795, unmarked.peek(), file_place::disk_image), 0);
  EXPECT_EQ(identify_file("x.bfli", 33795, unmarked.peek()), 0);

  // 'B', then the cells of a screen: runs of 8000 zero bytes.
  peeked_file page(0x9B42, {0x40, 0x1F, 0});
  EXPECT_EQ(name_of(identify_file("x.bs", 5, page.peek())), "Printfox and Pagefox pages");
  EXPECT_EQ(identify_by_content(5, page.peek(), file_place::disk_image), 0);
  peeked_file short_page(0x9B42, {0x3F, 0x1F, 0});
  EXPECT_EQ(identify_file("x.bs", 5, short_page.peek()), 0);
}

TEST(PictureName, WhatANameSaysAboutBeingListed) {
  EXPECT_EQ(picture_name_kind("a.vic"), picture_name::always);
  EXPECT_EQ(picture_name_kind("A.KOA"), picture_name::always);
  EXPECT_EQ(picture_name_kind("x.pic"), picture_name::if_identified);
  EXPECT_EQ(picture_name_kind("X.PRG"), picture_name::if_identified);
  EXPECT_EQ(picture_name_kind("no-extension"), picture_name::if_identified);
  EXPECT_EQ(picture_name_kind(".hidden"), picture_name::if_identified);
  EXPECT_EQ(picture_name_kind("notes.txt"), picture_name::never);
  peeked_file koala(0x6000);
  EXPECT_EQ(name_of(identify_file("x.pic", 10003, koala.peek())), "Koala Painter 160x200");
}

}  // namespace
