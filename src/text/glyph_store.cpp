#include "text/glyph_store.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>

#include "base/regular_file.h"
#include "text/freetype_calls.h"
#include "text/recorded_fonts.h"

namespace {

constexpr std::string_view magic = "velora2003 glyphs 1\n";
constexpr size_t sum_size = 8;
constexpr size_t largest_store = size_t{4} << 20;
constexpr uint32_t most_glyphs = 1u << 16;
// No glyph of a caption comes near: a damaged store cannot make the pen run far.
constexpr int32_t largest_image_side = 1024;

// A file as it is now: any write to it, or another file in its place, changes this.
std::string state_of(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return "-";
  return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
         std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
         std::to_string(st.st_mtim.tv_nsec) + ':' + std::to_string(st.st_ctim.tv_sec) + '.' +
         std::to_string(st.st_ctim.tv_nsec);
}

std::string env_text(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// What FreeType's glyphs depend on beyond the font: the library file, what the dynamic loader
// would load in its place (its cache and search path), and FreeType's own settings.
std::string settings_with(const std::string& library_file) {
  return library_file + '\n' + state_of(library_file) + '\n' + state_of("/etc/ld.so.cache") +
         "\nLD_LIBRARY_PATH=" + env_text("LD_LIBRARY_PATH") +
         "\nLD_PRELOAD=" + env_text("LD_PRELOAD") +
         "\nFREETYPE_PROPERTIES=" + env_text("FREETYPE_PROPERTIES") + '\n';
}

// The file FreeType was loaded from; empty when it is not loaded.
std::string freetype_file() {
  const freetype_calls* ft = freetype();
  Dl_info info{};
  if (!ft || ::dladdr(reinterpret_cast<void*>(ft->init_freetype), &info) == 0 || !info.dli_fname)
    return {};
  return info.dli_fname;
}

// The file the build recorded for the face, when there is one.
std::string_view recorded_file(const stored_font_name& name) {
  for (const recorded_font& recorded : recorded_fonts())
    if (recorded.face == name.face && recorded.bold == name.bold && !recorded.file.empty())
      return recorded.file;
  return {};
}

// FNV-1a over the bytes after the sum: a store damaged anywhere is not taken, for its glyphs
// would be drawn as they are.
uint64_t sum_of(std::string_view bytes) {
  uint64_t sum = 0xCBF29CE484222325;
  for (const char c : bytes) sum = (sum ^ static_cast<uint8_t>(c)) * 0x100000001B3;
  return sum;
}

class byte_writer {
 public:
  template <typename number>
  void put(number value) {
    const auto wide = static_cast<uint64_t>(value);
    for (size_t k = 0; k < sizeof(number); ++k) out_ += static_cast<char>(wide >> (8 * k) & 0xFF);
  }
  void put_text(std::string_view text) {
    put(static_cast<uint32_t>(text.size()));
    out_ += text;
  }
  std::string& bytes() { return out_; }

 private:
  std::string out_;
};

// Reads what byte_writer wrote; once anything is out of bounds, every read fails.
class byte_reader {
 public:
  explicit byte_reader(std::string_view bytes) : bytes_(bytes) {}
  template <typename number>
  bool get(number& value) {
    if (failed_ || bytes_.size() - at_ < sizeof(number)) return fail();
    uint64_t wide = 0;
    for (size_t k = 0; k < sizeof(number); ++k)
      wide |= uint64_t{static_cast<uint8_t>(bytes_[at_ + k])} << (8 * k);
    at_ += sizeof(number);
    value = static_cast<number>(wide);
    return true;
  }
  bool get_text(std::string& text) {
    uint32_t size = 0;
    if (!get(size) || bytes_.size() - at_ < size) return fail();
    text.assign(bytes_.substr(at_, size));
    at_ += size;
    return true;
  }
  bool get_bytes(std::span<uint8_t> out) {
    if (failed_ || bytes_.size() - at_ < out.size()) return fail();
    std::copy_n(bytes_.begin() + static_cast<ptrdiff_t>(at_), out.size(), out.begin());
    at_ += out.size();
    return true;
  }
  bool at_end() const { return !failed_ && at_ == bytes_.size(); }

 private:
  bool fail() {
    failed_ = true;
    return false;
  }
  std::string_view bytes_;
  size_t at_ = 0;
  bool failed_ = false;
};

void put_font(byte_writer& w, const sized_font& font) {
  w.put(static_cast<int32_t>(font.ascent));
  w.put(static_cast<int32_t>(font.height));
  w.put(static_cast<int64_t>(font.em));
  w.put(font.kerning_scale);
  uint32_t own = 0;
  for (const auto& [code_point, g] : font.glyphs) own += kept_in_store(g) ? 1 : 0;
  w.put(own);
  for (const auto& [code_point, g] : font.glyphs) {
    if (!kept_in_store(g)) continue;
    w.put(code_point);
    w.put(static_cast<uint32_t>(g.index));
    w.put(static_cast<int32_t>(g.advance));
    w.put(static_cast<uint8_t>(g.in_line));
    w.put(static_cast<uint8_t>(g.ignorable));
    w.put(static_cast<uint32_t>(g.line_glyph));
    w.put(static_cast<int64_t>(g.line_advance));
    for (const int v : {g.left, g.top, g.width, g.rows, g.image.width, g.image.height})
      w.put(static_cast<int32_t>(v));
    w.bytes().append(g.image.coverage.begin(), g.image.coverage.end());
  }
  w.put(static_cast<uint32_t>(font.drawn_kerning.size()));
  for (const auto& [pair, value] : font.drawn_kerning) {
    w.put(static_cast<uint32_t>(pair.first));
    w.put(static_cast<uint32_t>(pair.second));
    w.put(static_cast<int32_t>(value));
  }
  w.put(static_cast<uint32_t>(font.line_kerning.size()));
  for (const auto& [pair, value] : font.line_kerning) {
    w.put(static_cast<uint32_t>(pair.first));
    w.put(static_cast<uint32_t>(pair.second));
    w.put(static_cast<int64_t>(value));
  }
}

bool get_glyph(byte_reader& r, sized_font& font) {
  uint32_t code_point = 0, index = 0, line_glyph = 0;
  int32_t advance = 0;
  uint8_t in_line = 0, ignorable = 0;
  int64_t line_advance = 0;
  int32_t box[6] = {};
  if (!r.get(code_point) || !r.get(index) || !r.get(advance) || !r.get(in_line) ||
      !r.get(ignorable) || !r.get(line_glyph) || !r.get(line_advance))
    return false;
  for (int32_t& v : box)
    if (!r.get(v) || std::abs(v) > largest_image_side) return false;
  const int32_t image_width = box[4], image_height = box[5];
  if (image_width < 0 || image_height < 0 || std::abs(advance) > largest_image_side ||
      std::abs(line_advance) > int64_t{largest_image_side} * 64)
    return false;
  glyph_entry& g = font.glyphs[code_point];
  g.index = index;
  g.advance = advance;
  g.in_line = in_line != 0;
  g.ignorable = ignorable != 0;
  g.line_glyph = line_glyph;
  g.line_advance = line_advance;
  g.left = box[0];
  g.top = box[1];
  g.width = box[2];
  g.rows = box[3];
  g.imaged = true;
  g.image.width = image_width;
  g.image.height = image_height;
  g.image.coverage.resize(static_cast<size_t>(image_width) * static_cast<size_t>(image_height));
  return r.get_bytes(g.image.coverage);
}

template <typename value>
bool get_kerning(byte_reader& r, std::map<glyph_pair, value>& table) {
  uint32_t count = 0;
  if (!r.get(count) || count > most_glyphs * 64) return false;
  for (uint32_t k = 0; k < count; ++k) {
    uint32_t left = 0, right = 0;
    value amount = 0;
    if (!r.get(left) || !r.get(right) || !r.get(amount) ||
        std::abs(int64_t{amount}) > int64_t{largest_image_side} * 64)
      return false;
    table[{left, right}] = amount;
  }
  return true;
}

std::unique_ptr<sized_font> get_font(std::string_view bytes) {
  byte_reader r(bytes);
  auto font = std::make_unique<sized_font>();
  int32_t ascent = 0, height = 0;
  int64_t em = 0;
  uint32_t count = 0;
  if (!r.get(ascent) || !r.get(height) || !r.get(em) || !r.get(font->kerning_scale) ||
      !r.get(count) || count > most_glyphs)
    return nullptr;
  font->ascent = ascent;
  font->height = height;
  font->em = em;
  for (uint32_t k = 0; k < count; ++k)
    if (!get_glyph(r, *font)) return nullptr;
  if (!get_kerning(r, font->drawn_kerning) || !get_kerning(r, font->line_kerning) || !r.at_end())
    return nullptr;
  font->stored_glyphs = font->glyphs.size();
  return font;
}

bool same_name(const stored_font_name& a, const stored_font_name& b) {
  return a.face == b.face && a.size_pt == b.size_pt && a.bold == b.bold;
}

// The font as the store keeps it: its name, its file as it is now, its glyphs.
void put_record(byte_writer& w, const stored_font_name& name, const std::string& file,
                std::string_view font_bytes) {
  w.put_text(name.face);
  w.put(static_cast<int32_t>(name.size_pt));
  w.put(static_cast<uint8_t>(name.bold));
  w.put_text(file);
  w.put_text(state_of(file));
  w.put_text(font_bytes);
}

// Written beside the store and renamed over it: a reader sees the old store or the new.
void write_store(const std::string& path, const std::string& bytes) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return;
  bool written = true;
  for (size_t at = 0; written && at < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
    written = n > 0;
    at += written ? static_cast<size_t>(n) : 0;
  }
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) ::unlink(temporary.c_str());
}

}  // namespace

std::string glyph_store_file() {
  const std::string cache = env_text("XDG_CACHE_HOME");
  // Relative values are invalid and ignored, as the base directory rules say.
  if (!cache.empty() && cache.front() == '/') return cache + "/velora2003/glyphs";
  const std::string home = env_text("HOME");
  if (!home.empty() && home.front() == '/') return home + "/.cache/velora2003/glyphs";
  return {};
}

void glyph_store::load() {
  loaded_ = true;
  const std::string path = glyph_store_file();
  if (path.empty()) return;
  const result<file_descriptor> fd = open_regular_file(path);
  struct stat st {};
  if (!fd || ::fstat(fd->get(), &st) != 0 || st.st_size <= 0 ||
      static_cast<size_t>(st.st_size) > largest_store)
    return;
  std::string bytes(static_cast<size_t>(st.st_size), '\0');
  const result<size_t> read =
      read_up_to(*fd, std::span(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size()));
  if (!read || *read != bytes.size() || !bytes.starts_with(magic)) return;
  byte_reader r(std::string_view(bytes).substr(magic.size()));
  uint64_t sum = 0;
  if (!r.get(sum) || sum != sum_of(std::string_view(bytes).substr(magic.size() + sum_size))) return;
  std::string library_file, settings;
  if (!r.get_text(library_file) || !r.get_text(settings) || settings != settings_with(library_file))
    return;
  uint32_t count = 0;
  if (!r.get(count)) return;
  std::vector<record> records;
  for (uint32_t k = 0; k < count; ++k) {
    record rec;
    int32_t size_pt = 0;
    uint8_t bold = 0;
    std::string file, file_state;
    if (!r.get_text(rec.name.face) || !r.get(size_pt) || !r.get(bold) || !r.get_text(file) ||
        !r.get_text(file_state) || !r.get_text(rec.bytes))
      return;
    rec.name.size_pt = size_pt;
    rec.name.bold = bold != 0;
    // Glyphs of a file that has changed, or that the build no longer names, are dropped.
    if (file == recorded_file(rec.name) && file_state == state_of(file))
      records.push_back(std::move(rec));
  }
  if (r.at_end()) records_ = std::move(records);
}

std::unique_ptr<sized_font> glyph_store::take(const stored_font_name& name) {
  if (!loaded_) load();
  const auto it = std::find_if(records_.begin(), records_.end(),
                               [&](const record& rec) { return same_name(rec.name, name); });
  if (it == records_.end()) return nullptr;
  std::unique_ptr<sized_font> font = get_font(it->bytes);
  if (font) font->recorded_file = recorded_file(name);
  return font;
}

void glyph_store::save(const std::vector<open_font>& fonts) {
  const auto gained = [](const open_font& open) {
    const sized_font& font = *open.font;
    return font.size && !font.recorded_file.empty() &&
           std::count_if(font.glyphs.begin(), font.glyphs.end(), [](const auto& g) {
             return kept_in_store(g.second);
           }) > static_cast<ptrdiff_t>(font.stored_glyphs);
  };
  if (std::none_of(fonts.begin(), fonts.end(), gained)) return;
  const std::string path = glyph_store_file();
  const std::string library_file = freetype_file();
  if (path.empty() || library_file.empty()) return;
  if (!loaded_) load();
  byte_writer w;
  w.bytes() = magic;
  w.put(uint64_t{0});
  w.put_text(library_file);
  w.put_text(settings_with(library_file));
  std::vector<std::pair<stored_font_name, std::string>> kept;
  for (const open_font& open : fonts) {
    sized_font& font = *open.font;
    if (font.recorded_file.empty() || (!font.size && font.glyphs.empty())) continue;
    if (font.size) complete_for_store(font);
    byte_writer glyphs;
    put_font(glyphs, font);
    kept.emplace_back(open.name, std::move(glyphs.bytes()));
  }
  for (const record& rec : records_) {
    const bool open = std::any_of(kept.begin(), kept.end(),
                                  [&](const auto& k) { return same_name(k.first, rec.name); });
    if (!open) kept.emplace_back(rec.name, rec.bytes);
  }
  w.put(static_cast<uint32_t>(kept.size()));
  for (const auto& [name, bytes] : kept)
    put_record(w, name, std::string(recorded_file(name)), bytes);
  const uint64_t sum = sum_of(std::string_view(w.bytes()).substr(magic.size() + sum_size));
  for (size_t k = 0; k < sum_size; ++k)
    w.bytes()[magic.size() + k] = static_cast<char>(sum >> (8 * k) & 0xFF);

  write_store(path, w.bytes());
}
