#include "display/text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>
#include <tuple>

#include "display/canvas.h"
#include "display/utf8.h"

namespace {

struct font_registry {
  std::mutex mutex;
  bool ttf_ready = false;
  std::map<std::string, std::string> registered;  // family name -> file
  std::map<std::tuple<std::string, int, bool>, TTF_Font*> open;

  void close_all() {
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
  return font;
}

// Valid UTF-8 sequences pass through; any other byte is taken as a Latin-1 character.
std::string sanitized_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
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
    if (ok) {
      out.append(text.substr(i, len));
      i += len;
    } else {
      if (b != 0) append_utf8(out, b);
      ++i;
    }
  }
  return out;
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
  std::unique_lock lock(r.mutex);
  TTF_Font* font = font_for(r, s.canvas.font);
  const std::string utf8 = glyph_text(r, s.canvas.font, text);
  if (!font || utf8.empty()) return;
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!glyphs) return;
  const int height = TTF_FontHeight(font);
  lock.unlock();

  if (s.canvas.brush == brush_style::solid) {
    canvas_state saved = s.canvas;
    s.canvas.pen_colour = s.canvas.brush_colour;
    draw_rect(s, x, y, x + glyphs->w, y + height);
    s.canvas = saved;
  }
  const uint32_t colour = canvas_to_pixel(s.canvas.font.colour);
  const uint32_t cr = (colour >> 16) & 0xFF, cg = (colour >> 8) & 0xFF, cb = colour & 0xFF;
  SDL_LockSurface(glyphs);
  for (int gy = 0; gy < glyphs->h; ++gy) {
    const int ty = y + gy;
    if (ty < 0 || ty >= s.height) continue;
    const auto* src = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(glyphs->pixels) + static_cast<size_t>(gy) * glyphs->pitch);
    for (int gx = 0; gx < glyphs->w; ++gx) {
      const int tx = x + gx;
      if (tx < 0 || tx >= s.width) continue;
      uint8_t r8, g8, b8, a8;
      SDL_GetRGBA(src[gx], glyphs->format, &r8, &g8, &b8, &a8);
      if (a8 == 0) continue;
      uint32_t& d = s.pixels[static_cast<size_t>(ty) * s.width + tx];
      const uint32_t a = a8, na = 255 - a8;
      const uint32_t dr = (d >> 16) & 0xFF, dg = (d >> 8) & 0xFF, db = d & 0xFF;
      d = (((cr * a + dr * na) / 255) << 16) | (((cg * a + dg * na) / 255) << 8) |
          ((cb * a + db * na) / 255);
    }
  }
  SDL_UnlockSurface(glyphs);
  SDL_FreeSurface(glyphs);
}
