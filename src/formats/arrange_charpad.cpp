// CharPad projects: a character set, perhaps tiles of characters, and a map of tiles or
// characters. Version 5 keeps its parts one after another behind a 20-byte header; versions 6
// to 9 (and "CTMR", 82) put them in numbered blocks, each led by 0xDA, 0xB0 + its number.
#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

#include "base/thread_scratch.h"
#include "formats/arrangement_families.h"
#include "formats/raster_drawing.h"

namespace {

enum class display_mode : uint8_t {
  text_hires,
  text_multicolor,
  text_extended,  // extended background colour: a code's top two bits pick the background
  bitmap_hires,
  bitmap_multicolor,
};

enum class colouring : uint8_t { global, per_tile, per_character };

struct charpad_project {
  uint8_t version = 0;
  bool beta = false;  // a version 8 of the program's test releases: four colour bytes
  display_mode mode = display_mode::text_hires;
  colouring method = colouring::global;
  // Background, multicolours 1 and 2, the fourth background of extended colour mode.
  std::array<uint8_t, 4> registers{};
  std::array<uint8_t, 4> global_colours{};
  std::span<const uint8_t> glyphs;  // 8 bytes a character
  size_t characters = 0;
  std::span<const uint8_t> character_colours;  // colour_bytes a character
  size_t colour_bytes = 1;
  bool tiles = false;
  bool tiles_are_characters = false;  // a tile's characters are its own, in order
  size_t tile_count = 0;
  int tile_width = 1;
  int tile_height = 1;
  std::span<const uint8_t> tile_characters;  // 2 bytes a character, low first
  std::span<const uint8_t> tile_colours;
  int map_width = 0;
  int map_height = 0;
  std::span<const uint8_t> map;  // 2 bytes a tile (or character), low first
};

uint16_t word_at(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Reads a project's parts in turn, failing when one runs past the file's end.
class part_reader {
 public:
  explicit part_reader(std::span<const uint8_t> file, size_t at) : file_(file), at_(at) {}

  bool has(size_t count) const { return at_ + count <= file_.size(); }
  std::optional<std::span<const uint8_t>> take(size_t count) {
    if (!has(count)) return std::nullopt;
    const std::span<const uint8_t> part = file_.subspan(at_, count);
    at_ += count;
    return part;
  }
  std::optional<uint16_t> word() {
    const auto bytes = take(2);
    return bytes ? std::optional<uint16_t>(word_at(*bytes, 0)) : std::nullopt;
  }
  std::optional<uint8_t> byte() {
    const auto bytes = take(1);
    return bytes ? std::optional<uint8_t>((*bytes)[0]) : std::nullopt;
  }
  // The marker of the next block.
  bool block(int& number) {
    const auto marker = take(2);
    return marker && (*marker)[0] == 0xDA && (*marker)[1] == 0xB0 + number++;
  }
  // A block of zero-terminated names.
  bool names(size_t count) {
    for (size_t k = 0; k < count; ++k) {
      const auto end = std::find(file_.begin() + static_cast<std::ptrdiff_t>(at_), file_.end(), 0);
      if (end == file_.end()) return false;
      at_ = static_cast<size_t>(end - file_.begin()) + 1;
    }
    return true;
  }
  bool at_end() const { return at_ == file_.size(); }

 private:
  std::span<const uint8_t> file_;
  size_t at_;
};

const failure bad_project{"no CharPad project this program can show"};

result<charpad_project> parse_version_5(std::span<const uint8_t> file) {
  charpad_project p;
  p.version = 5;
  const uint8_t flags = file[9];
  p.mode = flags & 4 ? display_mode::text_multicolor : display_mode::text_hires;
  if (file[8] > 2) return bad_project;
  p.method = static_cast<colouring>(file[8]);
  p.registers = {file[4], file[5], file[6], 0};
  p.global_colours = {file[7], 0, 0, 0};
  p.tiles = flags & 1;
  p.tiles_are_characters = flags & 2;
  if (p.method == colouring::per_tile && !p.tiles) return bad_project;
  p.characters = word_at(file, 10) + 1u;
  if (p.tiles) {
    p.tile_count = word_at(file, 12) + 1u;
    p.tile_width = file[14];
    p.tile_height = file[15];
  }
  p.map_width = word_at(file, 16);
  p.map_height = word_at(file, 18);
  part_reader in(file, 20);
  const auto glyphs = in.take(p.characters * 8);
  const auto attributes = in.take(p.characters);
  if (!glyphs || !attributes) return bad_project;
  p.glyphs = *glyphs;
  p.character_colours = *attributes;
  if (p.tiles && !p.tiles_are_characters) {
    const auto tiles = in.take(p.tile_count * p.tile_width * p.tile_height * 2);
    if (!tiles) return bad_project;
    p.tile_characters = *tiles;
  }
  if (p.method == colouring::per_tile) {
    const auto colours = in.take(p.tile_count);
    if (!colours) return bad_project;
    p.tile_colours = *colours;
  }
  const auto map = in.take(size_t(p.map_width) * p.map_height * 2);
  if (!map || !in.at_end()) return bad_project;
  p.map = *map;
  return p;
}

// The header of a block project: its modes, registers and colours, and where its first
// block starts.
std::optional<size_t> read_block_header(std::span<const uint8_t> file, charpad_project& p,
                                        bool& tiles) {
  const uint8_t version = file[3];
  p.version = version;
  switch (version) {
    case 6:
      p.mode = file[9] & 1 ? display_mode::text_multicolor : display_mode::text_hires;
      p.method = static_cast<colouring>(file[8]);
      p.registers = {file[4], file[5], file[6], 0};
      p.global_colours = {file[7], 0, 0, 0};
      tiles = file[9] & 2;
      return 10;
    case 7:
      p.mode = static_cast<display_mode>(file[10]);
      p.method = static_cast<colouring>(file[9]);
      p.registers = {file[4], file[5], file[6], file[7]};
      p.global_colours = {file[8], 0, 0, 0};
      tiles = file[11] & 1;
      return 12;
    case 8:
    case 82:
      // The test releases wrote one colour byte more, so their first block starts later.
      p.beta = !(file[14] == 0xDA && file[15] == 0xB0);
      p.mode = static_cast<display_mode>(file[4]);
      p.method = static_cast<colouring>(file[5]);
      tiles = file[6] & 1;
      p.registers = {file[7], file[8], file[9], file[10]};
      p.global_colours = {file[11], file[12], file[13], p.beta ? file[14] : uint8_t(0)};
      return p.beta ? 15 : 14;
    case 9:
      p.mode = static_cast<display_mode>(file[4]);
      p.method = static_cast<colouring>(file[5]);
      tiles = file[6] & 1;
      p.registers = {file[12], file[13], file[14], file[15]};
      p.global_colours = {file[16], file[17], file[18], 0};
      return 19;
    default:
      return std::nullopt;
  }
}

// Colour bytes per character or tile: one in text modes; in bitmap modes one per colour a cell
// chooses; four in the test releases of version 8.
size_t colour_bytes_of(const charpad_project& p) {
  if (p.version < 8) return 1;
  if (p.beta) return 4;
  if (p.mode == display_mode::bitmap_hires) return 2;
  return p.mode == display_mode::bitmap_multicolor ? 3 : 1;
}

bool read_tile_blocks(part_reader& in, int& block, charpad_project& p) {
  const auto count = in.word();
  const auto width = in.byte();
  const auto height = in.byte();
  if (!count || !width || !height) return false;
  p.tile_count = *count + 1u;
  p.tile_width = *width;
  p.tile_height = *height;
  const auto tiles = in.take(p.tile_count * p.tile_width * p.tile_height * 2);
  if (!tiles) return false;
  p.tile_characters = *tiles;
  if (p.method == colouring::per_tile) {
    const auto colours = in.block(block) ? in.take(p.tile_count * p.colour_bytes) : std::nullopt;
    if (!colours) return false;
    p.tile_colours = *colours;
  }
  // Tags, then names, which the picture does not need.
  return in.block(block) && in.take(p.tile_count) && in.block(block) && in.names(p.tile_count);
}

result<charpad_project> parse_blocks(std::span<const uint8_t> file) {
  charpad_project p;
  bool tiles = false;
  const std::optional<size_t> first_block = read_block_header(file, p, tiles);
  if (!first_block || p.mode > display_mode::bitmap_multicolor ||
      p.method > colouring::per_character)
    return bad_project;
  p.tiles = tiles;
  p.colour_bytes = colour_bytes_of(p);
  part_reader in(file, *first_block);
  int block = 0;
  const auto count = in.block(block) ? in.word() : std::nullopt;
  if (!count) return bad_project;
  p.characters = *count + 1u;
  const auto glyphs = in.take(p.characters * 8);
  // Versions 6 and 7 keep each character's colour with it; 8 and 9 its material there.
  const auto attributes = in.block(block) ? in.take(p.characters) : std::nullopt;
  if (!glyphs || !attributes) return bad_project;
  p.glyphs = *glyphs;
  p.character_colours = *attributes;
  if (p.version >= 8 && p.method == colouring::per_character) {
    const auto colours = in.block(block) ? in.take(p.characters * p.colour_bytes) : std::nullopt;
    if (!colours) return bad_project;
    p.character_colours = *colours;
  }
  if (p.tiles && !(in.block(block) && read_tile_blocks(in, block, p))) return bad_project;
  const auto width = in.block(block) ? in.word() : std::nullopt;
  const auto height = in.word();
  if (!width || !height) return bad_project;
  p.map_width = *width;
  p.map_height = *height;
  const auto map = in.take(size_t(p.map_width) * p.map_height * 2);
  if (!map || !in.at_end()) return bad_project;
  p.map = *map;
  return p;
}

// The character at a map cell's character (column, row), and the tile that holds it.
struct placed_character {
  size_t code = 0;
  size_t tile = 0;
};

std::optional<placed_character> character_at(const charpad_project& p, int column, int row) {
  const size_t entry = size_t(row / p.tile_height) * p.map_width + column / p.tile_width;
  const size_t tile = word_at(p.map, entry * 2);
  if (!p.tiles)
    return tile < p.characters ? std::optional(placed_character{tile, 0}) : std::nullopt;
  if (tile >= p.tile_count) return std::nullopt;
  size_t code = (tile * p.tile_height + row % p.tile_height) * p.tile_width + column % p.tile_width;
  if (!p.tiles_are_characters) code = word_at(p.tile_characters, code * 2);
  if (code >= p.characters) return std::nullopt;
  return placed_character{code, tile};
}

// The colour bytes that belong to a character where it lies.
std::array<uint8_t, 4> colours_of(const charpad_project& p, const placed_character& at) {
  std::array<uint8_t, 4> colours = p.global_colours;
  const auto take = [&](std::span<const uint8_t> from, size_t index) {
    for (size_t k = 0; k < p.colour_bytes; ++k) colours[k] = from[index * p.colour_bytes + k];
  };
  if (p.method == colouring::per_tile) take(p.tile_colours, at.tile);
  if (p.method == colouring::per_character) take(p.character_colours, at.code);
  return colours;
}

// One cell line of a character as the video chip shows the project's mode.
raster_cell charpad_cell(const charpad_project& p, const placed_character& at, int line) {
  const std::array<uint8_t, 4> c = colours_of(p, at);
  const std::array<uint8_t, 4>& r = p.registers;
  const uint8_t bits = p.glyphs[at.code * 8 + line];
  // The colour RAM byte of a text mode; version 8's test releases keep it last.
  const uint8_t colour_ram = p.beta ? c[3] : c[0];
  switch (p.mode) {
    case display_mode::text_hires:
      return hires_cell(bits, r[0], colour_ram);
    case display_mode::text_multicolor:
      // Version 5 shows every character multicolour, as RECOIL does; the others follow the
      // video chip: colour RAM bit 3 makes a character multicolour.
      if (p.version == 5 || colour_ram & 8)
        return multicolor_cell(bits, r[0], r[1], r[2], colour_ram & 7);
      return hires_cell(bits, r[0], colour_ram & 7);
    case display_mode::text_extended:
      return hires_cell(p.glyphs[(at.code & 63) * 8 + line], r[at.code >> 6 & 3], colour_ram);
    case display_mode::bitmap_hires:
      return p.beta ? hires_cell(bits, c[3], c[0]) : hires_cell(bits, c[0], c[1]);
    case display_mode::bitmap_multicolor:
      return p.beta ? multicolor_cell(bits, r[0], c[1], c[2], c[3])
                    : multicolor_cell(bits, r[0], c[2], c[1], c[0]);
  }
  return {};
}

// Whether every place of the map names a tile there is, and every tile it names characters
// there are: each named tile is looked at once.
bool map_is_whole(const charpad_project& p) {
  if (!p.tiles) {
    for (size_t entry = 0; entry < p.map.size() / 2; ++entry)
      if (word_at(p.map, entry * 2) >= p.characters) return false;
    return true;
  }
  auto& checked = thread_scratch<struct checked_tiles, std::bitset<65536>>();
  checked.reset();
  const size_t tile_size = size_t(p.tile_width) * p.tile_height;
  for (size_t entry = 0; entry < p.map.size() / 2; ++entry) {
    const size_t tile = word_at(p.map, entry * 2);
    if (tile >= p.tile_count) return false;
    if (checked[tile]) continue;
    checked[tile] = true;
    if (p.tiles_are_characters) {
      if ((tile + 1) * tile_size > p.characters) return false;
      continue;
    }
    for (size_t k = 0; k < tile_size; ++k)
      if (word_at(p.tile_characters, (tile * tile_size + k) * 2) >= p.characters) return false;
  }
  return true;
}

}  // namespace

result<> arrange_charpad(std::span<const uint8_t> file, picture_model& model) {
  if (file.size() < 30 || file[0] != 'C' || file[1] != 'T' || file[2] != 'M') return bad_project;
  const result<charpad_project> parsed = file[3] == 5 ? parse_version_5(file) : parse_blocks(file);
  if (!parsed) return parsed.why();
  const charpad_project& p = *parsed;
  if (p.tile_width == 0 || p.tile_height == 0 || p.map_width == 0 || p.map_height == 0)
    return bad_project;
  if (!map_is_whole(p)) return failure{"the CharPad map names a missing tile or character"};
  const int columns = p.map_width * p.tile_width, rows = p.map_height * p.tile_height;
  const canvas_size canvas{static_cast<uint16_t>(std::min(columns * 8, max_canvas_width)),
                           static_cast<uint16_t>(std::min(rows * 8, max_canvas_height))};
  begin_raster(model, canvas);
  model.cropped = columns * 8 > max_canvas_width || rows * 8 > max_canvas_height;
  for (int y = 0; y < canvas.height; ++y)
    for (int column = 0; column < canvas.columns(); ++column)
      model.raster[0].cell(y, column) = charpad_cell(p, *character_at(p, column, y / 8), y % 8);
  return {};
}
