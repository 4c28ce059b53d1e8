#pragma once
// Glyphs kept between runs, in the user's cache. Text in a recorded face needs FreeType, the
// libraries it loads and the hinting of each glyph: a caption cost a render more than its
// picture. What the face at a size gave is kept as FreeType set it, and taken as it is while
// the font file, the FreeType library and what chooses that library are as they were.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/font_face.h"

struct stored_font_name {
  std::string face;
  int size_pt = 0;
  bool bold = false;
};

struct open_font {
  stored_font_name name;
  sized_font* font = nullptr;
};

class glyph_store {
 public:
  // The glyphs stored of the face at the size, as a font without its face, or null when the
  // store holds none that still stand.
  std::unique_ptr<sized_font> take(const stored_font_name& name);
  // Writes the store again when a font of a recorded file has gained glyphs: the glyphs of
  // every font given and what the store held of others. Errors are left unsaid: the store is
  // only ever a shortcut.
  void save(const std::vector<open_font>& fonts);

 private:
  struct record {
    stored_font_name name;
    std::string bytes;
  };
  void load();

  bool loaded_ = false;
  std::vector<record> records_;  // as read, those not taken
};

// The store's file: $XDG_CACHE_HOME/velora2003/glyphs, else under ~/.cache; empty without
// either.
std::string glyph_store_file();
