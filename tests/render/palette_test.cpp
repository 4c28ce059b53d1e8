#include "render/palette.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace {

class PaletteFile : public testing::Test {
 protected:
  palette_load_status load(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    palette_.fill(0xDEAD);
    return load_palette(path_, palette_);
  }
  palette_colours expected_with(std::initializer_list<std::pair<int, uint32_t>> changes) {
    palette_colours colours = default_palette;
    for (const auto& [index, value] : changes) colours[index] = value;
    return colours;
  }

  temp_folder dir_;
  std::string path_ = dir_.at("Velora2003.cfg");
  palette_colours palette_{};
};

TEST_F(PaletteFile, MissingFileGivesTheDefaults) {
  palette_.fill(0xDEAD);
  EXPECT_EQ(load_palette(path_, palette_), palette_load_status::no_file);
  EXPECT_EQ(palette_, default_palette);
}

TEST_F(PaletteFile, DirectoryIsTreatedAsMissing) {
  ASSERT_EQ(mkdir(path_.c_str(), 0755), 0);
  palette_.fill(0xDEAD);
  EXPECT_EQ(load_palette(path_, palette_), palette_load_status::no_file);
  EXPECT_EQ(palette_, default_palette);
}

TEST_F(PaletteFile, DefaultTableValues) {
  EXPECT_EQ(default_palette[2], 0x0000A8u);
  EXPECT_EQ(default_palette[13], 0x75FF91u);
  EXPECT_EQ(default_palette[14], 0xFF7700u);
}

TEST_F(PaletteFile, FileRrggbbIsStoredAsBbggrr) {
  EXPECT_EQ(load("$0=FF0000"), palette_load_status::applied);
  EXPECT_EQ(palette_, expected_with({{0, 0x0000FF}}));
  EXPECT_EQ(load("$0=aBcDeF"), palette_load_status::applied);
  EXPECT_EQ(palette_[0], 0xEFCDABu);
  EXPECT_EQ(load("$0=123456\n"), palette_load_status::applied);
  EXPECT_EQ(palette_[0], 0x563412u);
}

TEST_F(PaletteFile, NamesBetweenDollarAndEqualsPlayNoPart) {
  EXPECT_EQ(load("$white=000000$x=ffffff"), palette_load_status::applied);
  EXPECT_EQ(palette_, expected_with({{0, 0x000000}, {1, 0xFFFFFF}}));
  EXPECT_EQ(load("$15=FFFFFF\r\n"), palette_load_status::applied);
  EXPECT_EQ(palette_, expected_with({{0, 0xFFFFFF}}));
  EXPECT_EQ(load("$=010203"), palette_load_status::applied);
  EXPECT_EQ(palette_[0], 0x030201u);
}

TEST_F(PaletteFile, SeventeenEntriesStopAfterTheSixteenth) {
  std::string text;
  for (int n = 0; n < 16; ++n)
    text += "$" + std::to_string(n) + "=0000" + "0123456789ABCDEF"[n] + "0\n";
  text += "$16=FFFFFF\n$unfinished";
  EXPECT_EQ(load(text), palette_load_status::applied);
  for (uint32_t n = 0; n < 16; ++n) EXPECT_EQ(palette_[n], (n * 16) << 16) << n;
}

TEST_F(PaletteFile, DollarInARemarkStartsAnEntry) {
  EXPECT_EQ(load("costs $5, so =112233 here\n$1=445566\n"), palette_load_status::applied);
  EXPECT_EQ(palette_, expected_with({{0, 0x332211}, {1, 0x665544}}));
}

TEST_F(PaletteFile, NonDigitsKeepTheChannelsOfThePreviousEntry) {
  EXPECT_EQ(load("$0=123456$1=12 456"), palette_load_status::applied);
  EXPECT_EQ(palette_, expected_with({{0, 0x563412}, {1, 0x563812}}));
}

TEST_F(PaletteFile, NonDigitsInTheFirstEntryStartFromZero) {
  EXPECT_EQ(load("$0=x1y2z3"), palette_load_status::applied);
  EXPECT_EQ(palette_[0], 0x030201u);
}

TEST_F(PaletteFile, SecondDigitAdditionWraps) {
  EXPECT_EQ(load("$0=FFFFFF$1=xFxFxF"), palette_load_status::applied);
  EXPECT_EQ(palette_[1], 0x0E0E0Eu);  // 0xFF + 0xF wraps to 0x0E
}

TEST_F(PaletteFile, EmptyFileReadsBeyondTheEnd) {
  EXPECT_EQ(load(""), palette_load_status::read_beyond_end);
  EXPECT_EQ(palette_, default_palette);
}

TEST_F(PaletteFile, EndInsideAnEntryKeepsTheEarlierEntries) {
  EXPECT_EQ(load("$0=102030\n$3=12"), palette_load_status::read_beyond_end);
  EXPECT_EQ(palette_, expected_with({{0, 0x302010}}));
  EXPECT_EQ(load("$0=102030\n$3"), palette_load_status::read_beyond_end);
  EXPECT_EQ(palette_, expected_with({{0, 0x302010}}));
}

TEST_F(PaletteFile, TextWithoutEntriesChangesNothing) {
  EXPECT_EQ(load("just a remark\n"), palette_load_status::applied);
  EXPECT_EQ(palette_, default_palette);
}

// The in-memory form reads the same grammar: every text gives the status and colours the file
// form gives.
TEST_F(PaletteFile, BytesInMemoryReadLikeTheFile) {
  const std::string texts[] = {"",           "$0=aBcDeF$1=12 456", "$0=102030\n$3=12",
                               "no entries", "$x=FFFFFF$y",        "$$$=010203"};
  for (const std::string& text : texts) {
    const palette_load_status from_file = load(text);
    palette_colours from_bytes{};
    from_bytes.fill(0xBEEF);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    EXPECT_EQ(load_palette_from_bytes({bytes, text.size()}, from_bytes), from_file) << text;
    EXPECT_EQ(from_bytes, palette_) << text;
  }
}

}  // namespace
