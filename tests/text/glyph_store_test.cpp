#include "text/glyph_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

struct drawn_text {
  std::vector<uint32_t> pixels;
  int width = 0;
  bool operator==(const drawn_text&) const = default;
};

drawn_text caption_text(std::string_view text) {
  surface s = create_surface(200, 30);
  s.canvas.font = {"Arial", 12, false, 0x00FFFFFF};
  draw_text(s, 3, 3, text);
  return {s.pixels, text_width(s, text)};
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void write_text(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class GlyphStore : public testing::Test {
 protected:
  // Fonts other tests left open are closed before the store is this test's own.
  void SetUp() override {
    close_fonts();
    ASSERT_EQ(setenv("XDG_CACHE_HOME", folder.at("cache").c_str(), 1), 0);
  }
  void TearDown() override {
    close_fonts();
    unsetenv("XDG_CACHE_HOME");
  }
  temp_folder folder;
};

// Glyphs and kerning from the store draw as FreeType drew them. A store cut short or damaged
// anywhere is not taken: FreeType draws the text, and its glyphs are stored afresh.
TEST_F(GlyphStore, TextFromTheStoreOrBesideADamagedOneIsFreeTypes) {
  const std::string text = "AVAWay Tg \xC3\xA9";
  const drawn_text by_freetype = caption_text(text);
  if (by_freetype.width == 0) GTEST_SKIP() << "no face for Arial on this machine";
  close_fonts();
  const std::string store = glyph_store_file();
  const std::string bytes = file_text(store);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(caption_text(text), by_freetype);
  close_fonts();

  for (size_t length = 0; length < bytes.size(); length += length < 100 ? 1 : 97) {
    write_text(store, bytes.substr(0, length));
    EXPECT_EQ(caption_text(text), by_freetype) << "cut to " << length;
    close_fonts();
  }
  for (size_t at = 0; at < bytes.size(); at += 7) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
    write_text(store, damaged);
    EXPECT_EQ(caption_text(text), by_freetype) << "byte " << at << " damaged";
    close_fonts();
  }
  EXPECT_EQ(file_text(store), bytes);
}

}  // namespace
