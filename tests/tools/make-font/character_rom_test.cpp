#include "character_rom.h"

#include <gtest/gtest.h>

#include <set>

#include "charset_glyphs.h"
#include "support/files.h"

namespace {

using glyph_bytes = std::array<uint8_t, 8>;

glyph_bytes glyph_of(const character_rom_bytes& rom, int set, int code) {
  glyph_bytes g{};
  for (int row = 0; row < 8; ++row) g[row] = rom[set * 2048 + code * 8 + row];
  return g;
}

glyph_bytes directory_glyph(const charset& directory, int petscii) {
  glyph_bytes g{};
  std::copy(directory.glyphs[petscii].begin(), directory.glyphs[petscii].end(), g.begin());
  return g;
}

TEST(CharacterRom, EachSetsUpperHalfIsItsLowerHalfInReverseVideo) {
  const character_rom_bytes rom = make_character_rom();
  for (int set = 0; set < 2; ++set)
    for (int code = 0; code < 128; ++code)
      for (int row = 0; row < 8; ++row)
        EXPECT_EQ(rom[set * 2048 + (code + 128) * 8 + row],
                  static_cast<uint8_t>(~rom[set * 2048 + code * 8 + row]))
            << set << " " << code;
}

// Screen codes: letters first (PETSCII 0x40..0x5F), then digits and punctuation, then the
// two runs of graphics, as in the directory font.
TEST(CharacterRom, UpperCaseSetIsTheDirectoryFontInScreenCodeOrder) {
  const character_rom_bytes rom = make_character_rom();
  const charset directory = make_directory_charset();
  for (int code = 0; code < 32; ++code) {
    EXPECT_EQ(glyph_of(rom, 0, code), directory_glyph(directory, 0x40 + code)) << code;
    EXPECT_EQ(glyph_of(rom, 0, 0x20 + code), directory_glyph(directory, 0x20 + code)) << code;
    EXPECT_EQ(glyph_of(rom, 0, 0x40 + code), directory_glyph(directory, 0x60 + code)) << code;
    EXPECT_EQ(glyph_of(rom, 0, 0x60 + code), directory_glyph(directory, 0xA0 + code)) << code;
  }
}

TEST(CharacterRom, LowerCaseSetHasSmallLettersWhereTheCapitalsWereAndCapitalsAfter) {
  const character_rom_bytes rom = make_character_rom();
  std::set<glyph_bytes> letters;
  for (int code = 1; code <= 26; ++code) {
    EXPECT_EQ(glyph_of(rom, 1, 0x40 + code), glyph_of(rom, 0, code)) << code;
    EXPECT_NE(glyph_of(rom, 1, code), glyph_of(rom, 0, code)) << code;
    EXPECT_NE(glyph_of(rom, 1, code), glyph_bytes{}) << code;
    letters.insert(glyph_of(rom, 1, code));
  }
  EXPECT_EQ(letters.size(), 26u);
  for (int code = 0x20; code < 0x40; ++code)
    EXPECT_EQ(glyph_of(rom, 1, code), glyph_of(rom, 0, code)) << code;
  EXPECT_NE(glyph_of(rom, 1, 0x7A), glyph_of(rom, 0, 0x7A));  // a check mark of its own
}

// The space and the shifted space (screen code 0x60) are the only empty glyphs.
TEST(CharacterRom, OnlyTheSpacesAreEmpty) {
  const character_rom_bytes rom = make_character_rom();
  for (int set = 0; set < 2; ++set)
    for (int code = 0; code < 128; ++code)
      EXPECT_EQ(glyph_of(rom, set, code) == glyph_bytes{}, code == 0x20 || code == 0x60)
          << set << " " << code;
}

TEST(CharacterRom, TheBuildWritesItIntoTheDataFolder) {
  const std::vector<uint8_t> file =
      read_file_bytes(std::string(VELORA_DATA_DIR) + "/velora-character-set.bin");
  const character_rom_bytes rom = make_character_rom();
  EXPECT_EQ(file, std::vector<uint8_t>(rom.begin(), rom.end()));
}

}  // namespace
