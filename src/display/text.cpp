#include "display/text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

#include "base/utf8.h"
#include "display/canvas.h"

namespace {

// One character drawn alone in white: its coverage, and how far it moves the pen.
struct glyph_image {
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<uint8_t> coverage;  // alpha, row by row
};

struct font_registry {
  std::mutex mutex;
  bool ttf_ready = false;
  std::map<std::string, std::string> registered;  // family name -> file
  std::map<std::tuple<std::string, int, bool>, TTF_Font*> open;
  // Glyphs rendered once per open font and code point, so that drawing text allocates
  // nothing once its characters have been drawn before.
  std::map<std::pair<TTF_Font*, uint32_t>, glyph_image> glyphs;

  void close_all() {
    glyphs.clear();
    for (auto& [key, font] : open)
      if (font) TTF_CloseFont(font);
    open.clear();
    registered.clear();
    if (ttf_ready) TTF_Quit();
    ttf_ready = false;
    // Fontconfig keeps its configuration until told; a later lookup loads it again.
    FcFini();
  }
  // The registry lives until exit: whatever is still open then is closed with it.
  ~font_registry() { close_all(); }
};

font_registry& fonts() {
  static font_registry registry;
  return registry;
}

bool ensure_ttf(font_registry& r) {
  if (!r.ttf_ready) r.ttf_ready = TTF_Init() == 0;
  return r.ttf_ready;
}

std::string fontconfig_file(const std::string& face, bool bold) {
  std::string file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face.c_str()));
  if (!pattern) return file;
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
      file = reinterpret_cast<const char*>(path);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

bool is_registered(font_registry& r, const std::string& face) {
  return r.registered.count(face) > 0;
}

const glyph_image& glyph_for(font_registry& r, TTF_Font* font, uint32_t code_point);

// The open font for a canvas font, or null when no face can be found.
TTF_Font* font_for(font_registry& r, const canvas_font& f) {
  if (!ensure_ttf(r)) return nullptr;
  const auto key = std::make_tuple(f.face, f.size_pt, f.bold);
  if (auto it = r.open.find(key); it != r.open.end()) return it->second;
  const auto reg = r.registered.find(f.face);
  const std::string file =
      reg != r.registered.end() ? reg->second : fontconfig_file(f.face, f.bold);
  TTF_Font* font = file.empty() ? nullptr : TTF_OpenFontDPI(file.c_str(), f.size_pt, 96, 96);
  r.open[key] = font;
  // Names and captions are mostly printable ASCII: those glyphs are made with the font.
  for (uint32_t code_point = 0x20; font && code_point < 0x7F; ++code_point)
    glyph_for(r, font, code_point);
  return font;
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

// Valid UTF-8 sequences pass through; any other byte is taken as a Latin-1 character.
std::string sanitized_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const decoded_char c = decode_char(text, i, false);
    if (c.code_point != 0) append_utf8(out, c.code_point);
    i += c.length;
  }
  return out;
}

// The glyph of a code point in an open font, rendered on first use.
const glyph_image& glyph_for(font_registry& r, TTF_Font* font, uint32_t code_point) {
  const auto [it, added] = r.glyphs.try_emplace({font, code_point});
  glyph_image& glyph = it->second;
  if (!added) return glyph;
  int min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  TTF_GlyphMetrics32(font, code_point, &min_x, &max_x, &min_y, &max_y, &glyph.advance);
  SDL_Surface* drawn = TTF_RenderGlyph32_Blended(font, code_point, SDL_Color{255, 255, 255, 255});
  if (!drawn) return glyph;
  glyph.width = drawn->w;
  glyph.height = drawn->h;
  glyph.coverage.resize(static_cast<size_t>(drawn->w) * drawn->h);
  SDL_LockSurface(drawn);
  for (int gy = 0; gy < drawn->h; ++gy) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(drawn->pixels) +
                                                        static_cast<size_t>(gy) * drawn->pitch);
    for (int gx = 0; gx < drawn->w; ++gx) {
      uint8_t r8, g8, b8, a8;
      SDL_GetRGBA(row[gx], drawn->format, &r8, &g8, &b8, &a8);
      glyph.coverage[static_cast<size_t>(gy) * drawn->w + gx] = a8;
    }
  }
  SDL_UnlockSurface(drawn);
  SDL_FreeSurface(drawn);
  return glyph;
}

// Blends the glyph in the colour (0x00RRGGBB) into s with its top left corner at (x, y).
void blend_glyph(surface& s, int x, int y, const glyph_image& glyph, uint32_t colour) {
  const uint32_t cr = (colour >> 16) & 0xFF, cg = (colour >> 8) & 0xFF, cb = colour & 0xFF;
  for (int gy = 0; gy < glyph.height; ++gy) {
    const int ty = y + gy;
    if (ty < 0 || ty >= s.height) continue;
    for (int gx = 0; gx < glyph.width; ++gx) {
      const int tx = x + gx;
      const uint32_t a = glyph.coverage[static_cast<size_t>(gy) * glyph.width + gx];
      if (tx < 0 || tx >= s.width || a == 0) continue;
      uint32_t& d = s.pixels[static_cast<size_t>(ty) * s.width + tx];
      const uint32_t na = 255 - a;
      const uint32_t dr = (d >> 16) & 0xFF, dg = (d >> 8) & 0xFF, db = d & 0xFF;
      d = (((cr * a + dr * na) / 255) << 16) | (((cg * a + dg * na) / 255) << 8) |
          ((cb * a + db * na) / 255);
    }
  }
}

std::string byte_glyphs(std::string_view text) {
  std::string out;
  for (unsigned char b : text)
    if (b != 0) append_utf8(out, b);
  return out;
}

std::string glyph_text(font_registry& r, const canvas_font& f, std::string_view text) {
  return is_registered(r, f.face) ? byte_glyphs(text) : sanitized_utf8(text);
}

}  // namespace

bool register_font_file(const std::string& path) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  if (!ensure_ttf(r)) return false;
  TTF_Font* probe = TTF_OpenFont(path.c_str(), 10);
  if (!probe) return false;
  const char* family = TTF_FontFaceFamilyName(probe);
  if (family) r.registered[family] = path;
  TTF_CloseFont(probe);
  return family != nullptr;
}

void unregister_font_file(const std::string& path) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  for (auto it = r.registered.begin(); it != r.registered.end();) {
    if (it->second != path) {
      ++it;
      continue;
    }
    for (auto o = r.open.begin(); o != r.open.end();) {
      if (std::get<0>(o->first) == it->first) {
        std::erase_if(r.glyphs, [&](const auto& glyph) { return glyph.first.first == o->second; });
        if (o->second) TTF_CloseFont(o->second);
        o = r.open.erase(o);
      } else {
        ++o;
      }
    }
    it = r.registered.erase(it);
  }
}

void close_fonts() {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  r.close_all();
}

int text_width(const surface& s, std::string_view text) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  TTF_Font* font = font_for(r, s.canvas.font);
  int w = 0, h = 0;
  const std::string utf8 = glyph_text(r, s.canvas.font, text);
  if (!font || utf8.empty() || TTF_SizeUTF8(font, utf8.c_str(), &w, &h) != 0) return 0;
  return w;
}

int text_height(const surface& s) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  TTF_Font* font = font_for(r, s.canvas.font);
  return font ? TTF_FontHeight(font) : 0;
}

void draw_text(surface& s, int x, int y, std::string_view text) {
  font_registry& r = fonts();
  std::lock_guard lock(r.mutex);
  TTF_Font* font = font_for(r, s.canvas.font);
  if (!font) return;
  const bool byte_glyphs = is_registered(r, s.canvas.font.face);
  // The pen advances by each glyph's advance and the kerning of each pair, as a line is set.
  int width = 0, last_width = 0;
  uint32_t previous = 0;
  for (size_t i = 0; i < text.size();) {
    const decoded_char c = decode_char(text, i, byte_glyphs);
    i += c.length;
    if (c.code_point == 0) continue;
    if (previous != 0) width += TTF_GetFontKerningSizeGlyphs32(font, previous, c.code_point);
    const glyph_image& glyph = glyph_for(r, font, c.code_point);
    last_width = width + glyph.width;
    width += glyph.advance;
    previous = c.code_point;
  }
  if (previous == 0) return;
  if (s.canvas.brush == brush_style::solid) {
    canvas_state saved = s.canvas;
    s.canvas.pen_colour = s.canvas.brush_colour;
    draw_rect(s, x, y, x + std::max(width, last_width), y + TTF_FontHeight(font));
    s.canvas = saved;
  }
  const uint32_t colour = canvas_to_pixel(s.canvas.font.colour);
  int pen_x = x;
  previous = 0;
  for (size_t i = 0; i < text.size();) {
    const decoded_char c = decode_char(text, i, byte_glyphs);
    i += c.length;
    if (c.code_point == 0) continue;
    if (previous != 0) pen_x += TTF_GetFontKerningSizeGlyphs32(font, previous, c.code_point);
    const glyph_image& glyph = glyph_for(r, font, c.code_point);
    blend_glyph(s, pen_x, y, glyph, colour);
    pen_x += glyph.advance;
    previous = c.code_point;
  }
}
