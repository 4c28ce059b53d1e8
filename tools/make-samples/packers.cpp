#include "packers.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace {

// Writes bytes from packed[2] on, after the load address.
class packed_writer {
 public:
  explicit packed_writer(file_buffer& out, uint32_t start = 2) : out_(out), next_(start) {}
  void put(uint8_t value) { out_[static_cast<uint16_t>(next_++)] = value; }
  void put(std::string_view text) {
    for (const char ch : text) put(static_cast<uint8_t>(ch));
  }
  void put(std::span<const uint8_t> bytes) {
    for (const uint8_t byte : bytes) put(byte);
  }
  uint32_t size() const { return next_; }

 private:
  file_buffer& out_;
  uint32_t next_;
};

constexpr size_t shortest_run = 4;

// How many bytes from data[i] on repeat data[i], at most 255.
size_t run_at(std::span<const uint8_t> data, size_t i) {
  size_t run = 1;
  while (i + run < data.size() && data[i + run] == data[i] && run < 255) ++run;
  return run;
}

constexpr uint8_t fe_escape = 0xFE;

// Runs of four or more, and every escape byte, as "0xFE value count"; other bytes as they are.
void pack_fe_runs(std::span<const uint8_t> data, packed_writer& out) {
  for (size_t i = 0; i < data.size();) {
    const size_t run = run_at(data, i);
    if (run >= shortest_run || data[i] == fe_escape) {
      out.put(fe_escape);
      out.put(data[i]);
      out.put(static_cast<uint8_t>(run));
    } else {
      for (size_t k = 0; k < run; ++k) out.put(data[i]);
    }
    i += run;
  }
}

// Runs of four or more, and every escape byte, as "escape count value", the count less
// count_added where the unpacker adds it; a long count takes two bytes, low first.
void pack_escape_runs(std::span<const uint8_t> data, uint8_t escape, packed_writer& out,
                      uint8_t count_added = 0, bool long_counts = false) {
  for (size_t i = 0; i < data.size();) {
    const size_t run = run_at(data, i);
    if (run >= shortest_run || data[i] == escape) {
      out.put(escape);
      out.put(static_cast<uint8_t>(run - count_added));
      if (long_counts) out.put(0);
      out.put(data[i]);
    } else {
      for (size_t k = 0; k < run; ++k) out.put(data[i]);
    }
    i += run;
  }
}

void pack_draz(std::string_view mark, std::span<const uint8_t> data, packed_writer& out) {
  const uint8_t escape = least_used(data);
  out.put(mark);
  out.put(escape);
  pack_escape_runs(data, escape, out);
}

constexpr size_t funpaint_stream_at = 18;
constexpr uint8_t funpaint_packed_flag = 0x80;

void pack_funpaint(std::span<const uint8_t> plain, packed_writer& out) {
  const std::span<const uint8_t> data = plain.subspan(funpaint_stream_at);
  const uint8_t escape = least_used(data);
  out.put(funpaint_mark);
  out.put(funpaint_packed_flag);
  out.put(escape);
  pack_escape_runs(data, escape, out);
  out.put(escape);
  out.put(0);
}

// Hires Manager files are read from the last byte down, writing the picture from $7FF1 down to
// $4140: the commands are laid out in the order they are read, then turned around.
constexpr uint32_t him_stream_at = 18, him_lowest = 322, him_highest = 16371;

uint32_t pack_hires_manager(std::span<const uint8_t> plain, file_buffer& packed) {
  // The picture top down, so that runs and plain bytes follow in the order they are read.
  std::array<uint8_t, him_highest - him_lowest + 1> picture{};
  std::reverse_copy(plain.begin() + him_lowest, plain.begin() + him_highest + 1, picture.begin());
  const std::span<const uint8_t> data(picture);
  uint32_t at = him_stream_at;
  const auto put = [&](uint8_t value) { packed[static_cast<uint16_t>(at++)] = value; };
  for (size_t i = 0; i < data.size();) {
    const size_t run = run_at(data, i);
    if (run >= shortest_run) {
      put(0);
      put(static_cast<uint8_t>(run));
      put(data[i]);
      i += run;
      continue;
    }
    size_t plain_bytes = 0;
    while (i + plain_bytes < data.size() && plain_bytes < 254 &&
           run_at(data, i + plain_bytes) < shortest_run)
      ++plain_bytes;
    put(static_cast<uint8_t>(plain_bytes + 1));
    for (size_t k = 0; k < plain_bytes; ++k) put(data[i + k]);
    i += plain_bytes;
  }
  std::reverse(packed.bytes.begin() + him_stream_at, packed.bytes.begin() + at);
  const uint16_t last_address = static_cast<uint16_t>(0x4000 - 3 + at);
  packed[2] = static_cast<uint8_t>(last_address & 0xFF);
  packed[3] = static_cast<uint8_t>(last_address >> 8);
  packed[4] = 0xF2;
  packed[5] = 0x7F;
  std::fill(packed.bytes.begin() + 6, packed.bytes.begin() + him_stream_at, 0);
  return at;
}

// The two byte values the data use least.
std::array<uint8_t, 2> two_least_used(std::span<const uint8_t> data) {
  std::array<uint32_t, 256> counts{};
  for (const uint8_t byte : data) ++counts[byte];
  const auto first = std::min_element(counts.begin(), counts.end());
  *first = UINT32_MAX;
  const auto second = std::min_element(counts.begin(), counts.end());
  return {static_cast<uint8_t>(first - counts.begin()),
          static_cast<uint8_t>(second - counts.begin())};
}

// True Paint: its unpacker's command tables hold two commands, a run (type 0x11: "flag count
// value", count + 2 times) on every slot but one, which escapes a plain byte (type 0x19).
constexpr size_t true_paint_types = 0x78, true_paint_flags = 0x81, true_paint_stream_at = 0x8E;

uint32_t pack_true_paint(std::span<const uint8_t> plain, file_buffer& packed) {
  const std::span<const uint8_t> data = plain.subspan(2);
  const auto [run_flag, plain_flag] = two_least_used(data);
  std::fill(packed.bytes.begin() + 2, packed.bytes.begin() + true_paint_stream_at, 0);
  for (size_t e = 0; e < 9; ++e) {
    packed[static_cast<uint16_t>(true_paint_types + e)] = e == 1 ? 0x19 : 0x11;
    packed[static_cast<uint16_t>(true_paint_flags + e)] = e == 1 ? plain_flag : run_flag;
  }
  std::vector<uint8_t> reversed(data.rbegin(), data.rend());
  std::vector<uint8_t> commands;
  for (size_t i = 0; i < reversed.size();) {
    const size_t run = run_at(reversed, i);
    if (run >= shortest_run) {
      commands.insert(commands.end(), {run_flag, static_cast<uint8_t>(run - 2), reversed[i]});
      i += run;
      continue;
    }
    if (reversed[i] == run_flag || reversed[i] == plain_flag) commands.push_back(plain_flag);
    commands.push_back(reversed[i++]);
  }
  return put_backward(commands, packed, true_paint_stream_at);
}

// Runs as "run_command count value"; the bytes between them in blocks, each after
// block_command and its length: one byte (at most 255), or two, low first.
void pack_command_runs(std::span<const uint8_t> data, uint8_t run_command, uint8_t block_command,
                       bool two_byte_length, packed_writer& out) {
  const size_t longest_block = two_byte_length ? 0xFFFF : 0xFF;
  for (size_t i = 0; i < data.size();) {
    const size_t run = run_at(data, i);
    if (run >= shortest_run) {
      out.put(run_command);
      out.put(static_cast<uint8_t>(run));
      out.put(data[i]);
      i += run;
      continue;
    }
    size_t count = 0;
    while (i + count < data.size() && count < longest_block &&
           run_at(data, i + count) < shortest_run)
      ++count;
    out.put(block_command);
    out.put(static_cast<uint8_t>(count & 0xFF));
    if (two_byte_length) out.put(static_cast<uint8_t>(count >> 8));
    out.put(data.subspan(i, count));
    i += count;
  }
}

// Micro Illustrator type 2: the header, then the screen RAM, the colour RAM and the bitmap a
// raster line after another, as "count value" runs and "128 + count" plain bytes.
constexpr size_t mil_header = 22, mil_bitmap = 2022;

uint32_t pack_micro_illustrator(std::span<const uint8_t> plain, file_buffer& packed) {
  std::vector<uint8_t> data(plain.begin() + mil_header, plain.begin() + mil_bitmap);
  for (int y = 0; y < 200; ++y)
    for (int column = 0; column < 40; ++column)
      data.push_back(plain[mil_bitmap + (y / 8 * 40 + column) * 8 + y % 8]);
  std::copy_n(plain.begin(), mil_header, packed.bytes.begin());
  packed[7] = 2;
  uint32_t at = mil_header;
  const auto put = [&](uint8_t value) { packed[static_cast<uint16_t>(at++)] = value; };
  for (size_t i = 0; i < data.size();) {
    const size_t run = std::min<size_t>(run_at(data, i), 127);
    if (run >= shortest_run) {
      put(static_cast<uint8_t>(run));
      put(data[i]);
      i += run;
      continue;
    }
    size_t count = 0;
    while (i + count < data.size() && count < 127 && run_at(data, i + count) < shortest_run)
      ++count;
    put(static_cast<uint8_t>(128 + count));
    for (size_t k = 0; k < count; ++k) put(data[i + k]);
    i += count;
  }
  return at;
}

// GoDot: "GOD0", or "GOD1" with a clip of the whole picture, runs "0xAD count value", 0xAD.
constexpr uint8_t godot_escape = 0xAD;

uint32_t pack_godot(std::span<const uint8_t> plain, bool clip, file_buffer& packed) {
  const std::string_view mark = clip ? "GOD1" : "GOD0";
  for (size_t k = 0; k < mark.size(); ++k)
    packed[static_cast<uint16_t>(k)] = static_cast<uint8_t>(mark[k]);
  packed_writer out(packed);
  out.put(mark.substr(2));
  // The clip's top left corner, width and height in cells.
  if (clip) out.put(std::array<uint8_t, 4>{0, 0, 40, 25});
  pack_escape_runs(plain.subspan(2), godot_escape, out);
  out.put(godot_escape);
  return out.size();
}

// zlib's default level writes the header 0x78 0x9C.
uint32_t pack_zlib(std::span<const uint8_t> plain, file_buffer& packed) {
  uLongf size = packed.bytes.size();
  compress2(packed.bytes.data(), &size, plain.data() + 2, plain.size() - 2, Z_DEFAULT_COMPRESSION);
  return static_cast<uint32_t>(size);
}

}  // namespace

// Plain bytes between runs of three or more, for a backward stream, in the order a reader from
// the end meets them: each run as "escape count value", and the escape byte itself as a run of
// one. Returns the commands' bytes.
std::vector<uint8_t> backward_commands(std::span<const uint8_t> data, uint8_t escape) {
  std::vector<uint8_t> reversed(data.rbegin(), data.rend());
  std::vector<uint8_t> commands;
  for (size_t i = 0; i < reversed.size();) {
    const size_t run = run_at(reversed, i);
    if (run >= shortest_run || reversed[i] == escape) {
      commands.insert(commands.end(), {escape, static_cast<uint8_t>(run), reversed[i]});
    } else {
      commands.insert(commands.end(), reversed.begin() + static_cast<ptrdiff_t>(i),
                      reversed.begin() + static_cast<ptrdiff_t>(i + run));
    }
    i += run;
  }
  return commands;
}

// Writes commands read from the end down into the file from at on, in file order.
uint32_t put_backward(const std::vector<uint8_t>& commands, file_buffer& packed, uint32_t at) {
  for (auto byte = commands.rbegin(); byte != commands.rend(); ++byte)
    packed[static_cast<uint16_t>(at++)] = *byte;
  return at;
}

uint8_t least_used(std::span<const uint8_t> data) {
  std::array<uint32_t, 256> counts{};
  for (const uint8_t byte : data) ++counts[byte];
  return static_cast<uint8_t>(std::min_element(counts.begin(), counts.end()) - counts.begin());
}

uint32_t pack_escape_runs(std::span<const uint8_t> data, uint8_t escape, file_buffer& packed,
                          uint32_t at, bool long_counts) {
  packed_writer out(packed, at);
  pack_escape_runs(data, escape, out, 0, long_counts);
  return out.size();
}

uint32_t pack(packing scheme, std::span<const uint8_t> plain, file_buffer& packed) {
  packed[0] = plain[0];
  packed[1] = plain[1];
  packed_writer out(packed);
  switch (scheme) {
    case packing::none:
      for (const uint8_t byte : plain.subspan(2)) out.put(byte);
      break;
    case packing::fe_runs:
      pack_fe_runs(plain.subspan(2), out);
      break;
    case packing::amica_runs:
      pack_escape_runs(plain.subspan(2), amica_escape, out);
      out.put(amica_escape);
      out.put(0);
      break;
    case packing::drazlace_runs:
      pack_draz(drazlace_mark, plain.subspan(2), out);
      break;
    case packing::drazpaint_runs:
      pack_draz(drazpaint_marks[0], plain.subspan(2), out);
      break;
    case packing::funpaint_runs:
      pack_funpaint(plain, out);
      break;
    case packing::hires_manager_backwards:
      return pack_hires_manager(plain, packed);
    case packing::zlib:
      return pack_zlib(plain, packed);
    case packing::eci_runs:
    case packing::ufli_runs: {
      const uint8_t escape = least_used(plain.subspan(2));
      out.put(escape);
      pack_escape_runs(plain.subspan(2), escape, out);
      break;
    }
    case packing::pixel_perfect_runs: {
      const uint8_t escape = least_used(plain.subspan(2));
      out.put(std::array<uint8_t, 4>{0x10, 0x10, 0x10, escape});
      pack_escape_runs(plain.subspan(2), escape, out, 1);
      break;
    }
    case packing::vhi_commands:
      // Vertical Hires Interlace Editor: "1 count value" and "0 count" plain bytes.
      pack_command_runs(plain.subspan(2), 1, 0, false, out);
      break;
    case packing::boogie_down:
      // Boogie Down Paint 4: "0xFF count value" and "0xFE low high" plain bytes.
      pack_command_runs(plain.subspan(2), 0xFF, 0xFE, true, out);
      break;
    case packing::backward_runs_escape_last: {
      const uint8_t escape = least_used(plain.subspan(2));
      const uint32_t end = put_backward(backward_commands(plain.subspan(2), escape), packed, 2);
      packed[static_cast<uint16_t>(end)] = escape;
      return end + 1;
    }
    case packing::backward_runs_escape_at_2: {
      // A header of 16 bytes, the escape byte first.
      const uint8_t escape = least_used(plain.subspan(2));
      std::fill(packed.bytes.begin() + 2, packed.bytes.begin() + 18, 0);
      packed[2] = escape;
      return put_backward(backward_commands(plain.subspan(2), escape), packed, 18);
    }
    case packing::true_paint_backwards:
      return pack_true_paint(plain, packed);
    case packing::micro_illustrator_runs:
      return pack_micro_illustrator(plain, packed);
    case packing::godot_runs:
    case packing::godot_clip:
      return pack_godot(plain, scheme == packing::godot_clip, packed);
  }
  return out.size();
}
