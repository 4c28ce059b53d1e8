#include "packers.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Writes bytes from packed[2] on, after the load address.
class packed_writer {
 public:
  explicit packed_writer(file_buffer& out, uint32_t start = 2) : out_(out), next_(start) {}
  void put(uint8_t value) { out_[static_cast<uint16_t>(next_++)] = value; }
  void put(std::string_view text) {
    for (const char ch : text) put(static_cast<uint8_t>(ch));
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

// Runs of four or more, and every escape byte, as "escape count value"; a long count takes
// two bytes, low first.
void pack_escape_runs(std::span<const uint8_t> data, uint8_t escape, packed_writer& out,
                      bool long_counts = false) {
  for (size_t i = 0; i < data.size();) {
    const size_t run = run_at(data, i);
    if (run >= shortest_run || data[i] == escape) {
      out.put(escape);
      out.put(static_cast<uint8_t>(run));
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

// zlib's default level writes the header 0x78 0x9C.
uint32_t pack_zlib(std::span<const uint8_t> plain, file_buffer& packed) {
  uLongf size = packed.bytes.size();
  compress2(packed.bytes.data(), &size, plain.data() + 2, plain.size() - 2, Z_DEFAULT_COMPRESSION);
  return static_cast<uint32_t>(size);
}

}  // namespace

uint8_t least_used(std::span<const uint8_t> data) {
  std::array<uint32_t, 256> counts{};
  for (const uint8_t byte : data) ++counts[byte];
  return static_cast<uint8_t>(std::min_element(counts.begin(), counts.end()) - counts.begin());
}

uint32_t pack_escape_runs(std::span<const uint8_t> data, uint8_t escape, file_buffer& packed,
                          uint32_t at, bool long_counts) {
  packed_writer out(packed, at);
  pack_escape_runs(data, escape, out, long_counts);
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
  }
  return out.size();
}
