#include "render/palette.h"

#include <vector>

#include "base/regular_file.h"

namespace {

// A byte reader over bytes in memory that can tell their end apart from a character.
class memory_byte_reader {
 public:
  explicit memory_byte_reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool read(int& c) {
    if (next_ == bytes_.size()) return false;
    c = bytes_[next_++];
    return true;
  }
  bool at_end() const { return next_ == bytes_.size(); }

 private:
  std::span<const uint8_t> bytes_;
  size_t next_ = 0;
};

// Position of c in "0123456789abcdef" or "0123456789ABCDEF", or -1.
int hex_digit_value(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the six digit characters of an entry into the channels; false at the end of the file.
bool read_entry_digits(memory_byte_reader& in, uint8_t& red, uint8_t& green, uint8_t& blue) {
  uint8_t* channels[3] = {&red, &green, &blue};
  for (uint8_t* channel : channels) {
    int c = 0;
    if (!in.read(c)) return false;
    if (const int j = hex_digit_value(c); j >= 0) *channel = static_cast<uint8_t>(j * 16);
    if (!in.read(c)) return false;
    if (const int j = hex_digit_value(c); j >= 0) *channel = static_cast<uint8_t>(*channel + j);
  }
  return true;
}

palette_load_status apply_entries(memory_byte_reader& in, palette_colours& palette) {
  // The channels carry over from one entry to the next; a digit position holding no digit
  // leaves its channel as the previous entry set it.
  uint8_t red = 0, green = 0, blue = 0;
  size_t n = 0;
  do {
    int c = 0;
    if (!in.read(c)) return palette_load_status::read_beyond_end;
    if (c != '$') continue;
    do {
      if (!in.read(c)) return palette_load_status::read_beyond_end;
    } while (c != '=');
    if (!read_entry_digits(in, red, green, blue)) return palette_load_status::read_beyond_end;
    palette[n++] = red | (green << 8) | (blue << 16);
  } while (!in.at_end() && n < palette.size());
  return palette_load_status::applied;
}

}  // namespace

palette_load_status load_palette(const std::string& path, palette_colours& palette) {
  palette = default_palette;
  // A palette is a few hundred bytes; a file that goes on is taken to end here.
  std::vector<uint8_t> bytes(palette_file_limit);
  const result<size_t> read = read_file_start(path, bytes);
  if (!read) return palette_load_status::no_file;
  bytes.resize(*read);
  return load_palette_from_bytes(bytes, palette);
}

palette_load_status load_palette_from_bytes(std::span<const uint8_t> bytes,
                                            palette_colours& palette) {
  palette = default_palette;
  memory_byte_reader in(bytes);
  return apply_entries(in, palette);
}
