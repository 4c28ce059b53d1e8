#include "text/text.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "surface/canvas.h"
#include "text/font_face.h"
#include "text/fontconfig_lookup.h"
#include "text/freetype_calls.h"
#include "text/glyph_store.h"
#include "text/recorded_fonts.h"

namespace {

struct font_registry {
  std::mutex mutex;
  FT_Library library = nullptr;
  std::map<std::string, std::string> registered;            // family name -> file
  std::map<std::string, std::unique_ptr<font_file>> files;  // by path, each read once
  // The face and size of each canvas font asked for; null when no face was found.
  std::map<std::tuple<std::string, int, bool>, std::unique_ptr<sized_font>> open;
  // Fonts at a size that lend their glyphs to a face lacking them, by file and size.
  std::map<std::pair<std::string, int>, std::unique_ptr<sized_font>> lenders;
  glyph_store store;

  void close_all() {
    std::vector<open_font> named;
    for (const auto& [key, font] : open)
      if (font)
        named.push_back({{std::get<0>(key), std::get<1>(key), std::get<2>(key)}, font.get()});
    store.save(named);
    // Read again when next asked: fonts opened after this may find what was just stored.
    store = glyph_store{};
    open.clear();
    lenders.clear();
    files.clear();
    registered.clear();
    if (library) freetype()->done_freetype(library);
    library = nullptr;
    release_fontconfig();
  }
  // The registry lives until exit: whatever is still open then is closed with it.
  ~font_registry() { close_all(); }
};

font_registry& fonts() {
  static font_registry registry;
  return registry;
}

bool ensure_library(font_registry& r) {
  const freetype_calls* ft = freetype();
  if (ft && !r.library && ft->init_freetype(&r.library) != 0) r.library = nullptr;
  return r.library != nullptr;
}

// The font file at a path, read and opened on first use; null when it is no font.
font_file* file_at(font_registry& r, const std::string& path) {
  if (const auto it = r.files.find(path); it != r.files.end()) return it->second.get();
  std::unique_ptr<font_file> file = open_font_file(r.library, path);
  return file ? r.files.emplace(path, std::move(file)).first->second.get() : nullptr;
}

struct found_file {
  std::string path;
  bool recorded = false;
};

// The file of a face named by the canvas. The build recorded the file fontconfig matched to
// each face the program names: while that file is there and still holds the family and style
// it held then, it is taken as it is, for fontconfig reads its whole configuration before its
// first answer. The viewer and the command line both come here, so they draw in one face.
found_file face_file(font_registry& r, const std::string& face, bool bold) {
  for (const recorded_font& recorded : recorded_fonts()) {
    if (recorded.face != face || recorded.bold != bold || recorded.file.empty()) continue;
    std::string path(recorded.file);
    const font_file* file = file_at(r, path);
    if (file && holds_face(*file, recorded.family, recorded.style)) return {path, true};
  }
  return {fontconfig_file(face, bold), false};
}

// The font at the size that fontconfig names for a character the face lacks, or null.
sized_font* lender_for(font_registry& r, const canvas_font& f, uint32_t code_point) {
  const std::string path = fontconfig_file_with(f.face, f.bold, code_point);
  if (path.empty()) return nullptr;
  const auto [it, added] = r.lenders.try_emplace(std::make_pair(path, f.size_pt));
  if (font_file* file = added ? file_at(r, path) : nullptr)
    it->second = open_sized_font(*file, f.size_pt);
  return it->second.get();
}

bool covers(const sized_font& font, std::string_view text);

// The face at the size of a canvas font, ready to set the text, or null when no face can be
// found. A font from the glyph store sets the text without its face while it holds every
// character of it; else the face is opened, and the font keeps the glyphs it had.
sized_font* font_for(font_registry& r, const canvas_font& f, std::string_view text) {
  const auto [it, added] = r.open.try_emplace(std::make_tuple(f.face, f.size_pt, f.bold));
  std::unique_ptr<sized_font>& font = it->second;
  if (!added && (!font || font->size || covers(*font, text))) return font.get();
  const auto reg = r.registered.find(f.face);
  const bool registered = reg != r.registered.end();
  if (added && !registered) font = r.store.take({f.face, f.size_pt, f.bold});
  if (font && (font->size || covers(*font, text))) return font.get();
  if (!ensure_library(r)) return nullptr;
  const found_file found = registered ? found_file{reg->second} : face_file(r, f.face, f.bold);
  font_file* file = found.path.empty() ? nullptr : file_at(r, found.path);
  if (!file) return nullptr;
  auto opened = font ? std::move(font) : std::make_unique<sized_font>();
  if (!open_font_size(*file, f.size_pt, *opened)) return nullptr;
  font = std::move(opened);
  font->recorded_file = found.recorded ? found.path : std::string();
  // Our own bitmap faces address glyphs byte for byte: they borrow none.
  if (!registered)
    font->fallback = [&r, f](uint32_t code_point) { return lender_for(r, f, code_point); };
  return font.get();
}

struct decoded_char {
  uint32_t code_point;  // 0 for a zero byte, which draws nothing
  size_t length;        // bytes of text it takes
};

// The character at text[i]: a valid UTF-8 sequence, or else the byte itself as a Latin-1
// character. A face registered by file takes every byte as its own glyph.
decoded_char decode_char(std::string_view text, size_t i, bool byte_glyphs) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (byte_glyphs) return {b, 1};
  int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
  bool ok = len > 0 && i + len <= text.size();
  uint32_t cp = len == 1 ? b : len == 2 ? b & 0x1F : len == 3 ? b & 0x0F : b & 0x07;
  for (int k = 1; ok && k < len; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    ok = (c >> 6) == 2;
    cp = (cp << 6) | (c & 0x3F);
  }
  static constexpr uint32_t min_for_len[] = {0, 0, 0x80, 0x800, 0x10000};
  ok = ok && cp >= min_for_len[len] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF) && cp != 0;
  if (ok) return {cp, static_cast<size_t>(len)};
  return {b, 1};
}

// The characters of a text in order, zero bytes left out.
class char_reader {
 public:
  char_reader(std::string_view text, bool byte_glyphs) : text_(text), byte_glyphs_(byte_glyphs) {}
  bool next(uint32_t& code_point) {
    while (i_ < text_.size()) {
      const decoded_char c = decode_char(text_, i_, byte_glyphs_);
      i_ += c.length;
      code_point = c.code_point;
      if (code_point != 0) return true;
    }
    return false;
  }

 private:
  std::string_view text_;
  bool byte_glyphs_;
  size_t i_ = 0;
};

// Whether the font holds every character of the text as a glyph the store keeps.
bool covers(const sized_font& font, std::string_view text) {
  char_reader chars(text, false);
  uint32_t code_point = 0;
  while (chars.next(code_point)) {
    const auto it = font.glyphs.find(code_point);
    if (it == font.glyphs.end() || !kept_in_store(it->second)) return false;
  }
  return true;
}

bool byte_glyphs(font_registry& r, const canvas_font& f) {
  return r.registered.count(f.face) > 0;
}

// Blends the glyph in the colour (0x00RRGGBB) into s with its top left corner at (x, y),
// inside clip only (clip lies within s).
void blend_glyph(surface& s, const rect& clip, int x, int y, const glyph_image& glyph,
                 uint32_t colour) {
  const uint32_t cr = (colour >> 16) & 0xFF, cg = (colour >> 8) & 0xFF, cb = colour & 0xFF;
  for (int gy = 0; gy < glyph.height; ++gy) {
    const int ty = y + gy;
    if (ty < clip.y1 || ty >= clip.y2) continue;
    for (int gx = 0; gx < glyph.width; ++gx) {
      const int tx = x + gx;
      const uint32_t a = glyph.coverage[static_cast<size_t>(gy) * glyph.width + gx];
      if (tx < clip.x1 || tx >= clip.x2 || a == 0) continue;
      uint32_t& d = s.pixels[static_cast<size_t>(ty) * s.width + tx];
      const uint32_t na = 255 - a;
      const uint32_t dr = (d >> 16) & 0xFF, dg = (d >> 8) & 0xFF, db = d & 0xFF;
      d = (((cr * a + dr * na) / 255) << 16) | (((cg * a + dg * na) / 255) << 8) |
          ((cb * a + db * na) / 255);
    }
  }
}

// The width of the text set as one line: from the leftmost ink or the start to the rightmost
// ink or the end of the last advance. Kerning reaches past characters that are not shown.
int line_width(sized_font& font, std::string_view text, bool byte_glyphs) {
  FT_Pos x = 0;
  int min_x = 0, max_x = 0;
  char_reader chars(text, byte_glyphs);
  uint32_t code_point = 0;
  while (chars.next(code_point)) {
    const glyph_entry& g = glyph_of(font, code_point);
    if (!g.in_line) continue;
    const int ink_x = static_cast<int>(x >> 6) + g.left;
    min_x = std::min(min_x, ink_x);
    max_x = std::max(max_x, ink_x + g.width);
    x += g.line_advance;
    if (g.ignorable) continue;
    char_reader after = chars;
    uint32_t next = 0;
    while (after.next(next)) {
      const glyph_entry& n = glyph_of(font, next);
      if (!n.in_line || n.ignorable) continue;
      x += line_kerning(font, g, n);
      break;
    }
  }
  return std::max(max_x, static_cast<int>(x >> 6)) - min_x;
}

}  // namespace

bool register_font_file(const std::string& path) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  if (!ensure_library(r)) return false;
  font_file* file = file_at(r, path);
  if (!file || !file->face->family_name) return false;
  r.registered[file->face->family_name] = path;
  return true;
}

void unregister_font_file(const std::string& path) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  const auto file = r.files.find(path);
  if (file == r.files.end()) return;
  std::erase_if(r.open, [&](const auto& open) {
    const auto family = r.registered.find(std::get<0>(open.first));
    return (open.second && open.second->file == file->second.get()) ||
           (family != r.registered.end() && family->second == path);
  });
  std::erase_if(r.registered, [&](const auto& family) { return family.second == path; });
  // Fonts that borrowed glyphs from the file are opened afresh when next asked for.
  const font_file* closing = file->second.get();
  if (std::erase_if(r.lenders,
                    [&](const auto& l) { return l.second && l.second->file == closing; }))
    r.open.clear();
  r.files.erase(file);
}

void close_fonts() {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  r.close_all();
}

int text_width(const surface& s, std::string_view text) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  sized_font* font = font_for(r, s.canvas.font, text);
  return font ? line_width(*font, text, byte_glyphs(r, s.canvas.font)) : 0;
}

int text_height(const surface& s) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  sized_font* font = font_for(r, s.canvas.font, {});
  return font ? font->height : 0;
}

void draw_text(surface& s, int x, int y, std::string_view text) {
  draw_text_clipped(s, {0, 0, s.width, s.height}, x, y, text);
}

void draw_text_clipped(surface& s, const rect& clip_area, int x, int y, std::string_view text) {
  const rect clip{std::max(clip_area.x1, 0), std::max(clip_area.y1, 0),
                  std::min(clip_area.x2, s.width), std::min(clip_area.y2, s.height)};
  if (clip.x2 <= clip.x1 || clip.y2 <= clip.y1) return;
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  sized_font* font = font_for(r, s.canvas.font, text);
  if (!font) return;
  const bool bytes = byte_glyphs(r, s.canvas.font);
  // The pen advances by each character's advance and the kerning of each pair.
  int width = 0, last_width = 0;
  const glyph_entry* previous = nullptr;
  char_reader chars(text, bytes);
  uint32_t code_point = 0;
  while (chars.next(code_point)) {
    glyph_entry& glyph = glyph_of(*font, code_point);
    if (previous) width += drawn_kerning(*font, *previous, glyph);
    last_width = width + image_of(*font, glyph).width;
    width += glyph.advance;
    previous = &glyph;
  }
  if (!previous) return;
  if (s.canvas.brush == brush_style::solid) {
    canvas_state saved = s.canvas;
    s.canvas.pen_colour = s.canvas.brush_colour;
    draw_rect(s, std::max(x, clip.x1), std::max(y, clip.y1),
              std::min(x + std::max(width, last_width), clip.x2),
              std::min(y + font->height, clip.y2));
    s.canvas = saved;
  }
  const uint32_t colour = canvas_to_pixel(s.canvas.font.colour);
  int pen_x = x;
  previous = nullptr;
  chars = char_reader(text, bytes);
  while (chars.next(code_point)) {
    glyph_entry& glyph = glyph_of(*font, code_point);
    if (previous) pen_x += drawn_kerning(*font, *previous, glyph);
    blend_glyph(s, clip, pen_x, y, image_of(*font, glyph), colour);
    pen_x += glyph.advance;
    previous = &glyph;
  }
}
