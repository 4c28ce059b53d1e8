#include <algorithm>
#include <array>
#include <string_view>

#include "base/thread_scratch.h"
#include "formats/packed_streams.h"

namespace {

// A count byte of 0 stands for 256.
uint32_t count_of(uint8_t byte) {
  return byte == 0 ? 256 : byte;
}

bool text_at(std::span<const uint8_t> bytes, size_t at, std::string_view text) {
  return bytes.size() >= at + text.size() &&
         std::equal(text.begin(), text.end(), bytes.begin() + static_cast<ptrdiff_t>(at),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

uint32_t ended(size_t read, size_t size, stream_end end, const unpacked_writer& out) {
  return end == stream_end::exact && read != size ? 0 : out.written();
}

// Boogie Down Paint 5: two escapes, the second with a count of two bytes, low first.
uint32_t unpack_boogie_down_5(std::span<const uint8_t> data, uint8_t escape, uint8_t long_escape,
                              stream_end end, unpacked_writer& out) {
  size_t i = 0;
  while (i < data.size() && !out.full()) {
    const uint8_t byte = data[i];
    if (byte != escape && byte != long_escape) {
      if (!out.put(byte)) return 0;
      ++i;
      continue;
    }
    const bool long_count = byte == long_escape;
    const size_t value_at = i + (long_count ? 3 : 2);
    if (value_at >= data.size()) return 0;
    const uint32_t count = long_count ? data[i + 1] | data[i + 2] << 8 : count_of(data[i + 1]);
    if (!out.put(data[value_at], count)) return 0;
    i = value_at + 1;
  }
  return ended(i, data.size(), end, out);
}

// Boogie Down Paint 4: commands "0xFF count value" and "0xFE low high" plain bytes.
uint32_t unpack_boogie_down_4(std::span<const uint8_t> data, stream_end end, unpacked_writer& out) {
  size_t i = 0;
  while (i < data.size() && !out.full()) {
    if ((data[i] != 0xFF && data[i] != 0xFE) || i + 2 >= data.size()) return 0;
    if (data[i] == 0xFF) {
      if (!out.put(data[i + 2], count_of(data[i + 1]))) return 0;
      i += 3;
      continue;
    }
    const size_t count = data[i + 1] | data[i + 2] << 8;
    i += 3;
    if (count > data.size() - i || !out.put(data.subspan(i, count))) return 0;
    i += count;
  }
  return ended(i, data.size(), end, out);
}

// Micro Illustrator: the header's bytes, then commands "count value" (count below 128) and
// "128 + count" plain bytes, a count of 0 followed by one of two bytes, high first.
constexpr size_t mil_header = 22, mil_type_at = 7, mil_screen = 22, mil_colour = 1022,
                 mil_bitmap = 2022;
constexpr uint32_t mil_data = 10000;

bool unpack_mil_stream(std::span<const uint8_t> data, std::span<uint8_t, mil_data> into,
                       stream_end end) {
  size_t i = 0, n = 0;
  while (n < mil_data) {
    if (i >= data.size()) return false;
    const bool run = data[i] < 128;
    size_t count = data[i++] & 0x7F;
    if (count == 0) {
      if (i + 1 >= data.size()) return false;
      count = size_t{data[i]} << 8 | data[i + 1];
      i += 2;
    }
    if (count > mil_data - n) return false;
    if (run) {
      if (i >= data.size()) return false;
      std::fill_n(into.begin() + static_cast<ptrdiff_t>(n), count, data[i++]);
    } else {
      if (count > data.size() - i) return false;
      std::copy_n(data.begin() + static_cast<ptrdiff_t>(i), count,
                  into.begin() + static_cast<ptrdiff_t>(n));
      i += count;
    }
    n += count;
  }
  return end == stream_end::exact ? i == data.size() : true;
}

// GoDot: "GOD0" or "GOD1" first, the escape byte 0xAD last; runs "0xAD count value".
constexpr uint8_t godot_escape = 0xAD;
constexpr size_t godot_cell_bytes = 32;

}  // namespace

uint32_t unpack_vhi_commands(std::span<const uint8_t> data, stream_end end, unpacked_writer& out) {
  size_t i = 0;
  while (i < data.size() && !out.full()) {
    const uint8_t command = data[i];
    if (command > 1 || i + 1 >= data.size()) return 0;
    const uint32_t count = count_of(data[i + 1]);
    if (command == 1) {
      if (i + 2 >= data.size() || !out.put(data[i + 2], count)) return 0;
      i += 3;
      continue;
    }
    i += 2;
    if (count > data.size() - i || !out.put(data.subspan(i, count))) return 0;
    i += count;
  }
  return ended(i, data.size(), end, out);
}

uint32_t unpack_boogie_down(std::span<const uint8_t> packed, stream_end end, unpacked_writer& out) {
  constexpr std::array<uint8_t, 6> first_version = {0x02, 0x04, 0x10, 0x36, 0x30, 0x30};
  if (packed.size() > 10 &&
      std::equal(first_version.begin(), first_version.end(), packed.begin() + 2))
    return unpack_escape_runs(packed.subspan(10), {packed[8], zero_count::times_256}, end, out);
  if (packed.size() > 12 && text_at(packed, 2, "BDP 5.00"))
    return unpack_boogie_down_5(packed.subspan(12), packed[10], packed[11], end, out);
  return unpack_boogie_down_4(packed.subspan(2), end, out);
}

uint32_t unpack_micro_illustrator(std::span<const uint8_t> packed, uint32_t size, stream_end end,
                                  file_buffer& out) {
  if (packed.size() <= mil_header || size < mil_bitmap + 8000) return 0;
  const uint8_t type = packed[mil_type_at];
  if (type != 1 && type != 2) return 0;
  auto& data = thread_scratch<struct mil_scratch, std::array<uint8_t, mil_data>>();
  if (!unpack_mil_stream(packed.subspan(mil_header), data, end)) return 0;
  std::copy_n(packed.begin(), mil_header, out.bytes.begin());
  out[mil_type_at] = 0;  // a plain file's type
  // Type 1 keeps each column's cells and lines together, the even ones first; type 2 keeps
  // each raster line's bitmap bytes together.
  const bool columns = type == 1;
  for (int row = 0; row < 25; ++row) {
    for (int column = 0; column < 40; ++column) {
      const int cell = row * 40 + column;
      const int from = columns ? column * 25 + (row & 1) * 13 + (row >> 1) : cell;
      out[static_cast<uint16_t>(mil_screen + cell)] = data[from];
      out[static_cast<uint16_t>(mil_colour + cell)] = data[1000 + from];
      for (int line = 0; line < 8; ++line) {
        const int y = row * 8 + line;
        const int bitmap_from = columns ? column * 200 + (y & 1) * 100 + (y >> 1) : y * 40 + column;
        out[static_cast<uint16_t>(mil_bitmap + cell * 8 + line)] = data[2000 + bitmap_from];
      }
    }
  }
  return mil_bitmap + 8000;
}

uint32_t unpack_godot(std::span<const uint8_t> packed, bool clip, uint32_t size, stream_end end,
                      file_buffer& out) {
  const size_t stream_at = clip ? 8 : 4;
  if (packed.size() <= stream_at + 1 || packed.back() != godot_escape ||
      !text_at(packed, 0, clip ? "GOD1" : "GOD0"))
    return 0;
  const std::span<const uint8_t> stream = packed.subspan(stream_at, packed.size() - 1 - stream_at);
  const escape_runs runs = {godot_escape, zero_count::times_256};
  if (!clip) {
    unpacked_writer writer(out, size);
    return unpack_escape_runs(stream, runs, end, writer);
  }
  // A clip's cells, row by row of its own width, go to the picture's top left.
  const size_t width = packed[6], height = packed[7];
  if (width == 0 || height == 0 || width > 40 || height > 25) return 0;
  file_buffer& cells = thread_scratch<struct godot_scratch, file_buffer>();
  const auto cells_end = static_cast<uint32_t>(2 + width * height * godot_cell_bytes);
  unpacked_writer writer(cells, cells_end);
  if (unpack_escape_runs(stream, runs, end, writer) != cells_end) return 0;
  std::fill(out.bytes.begin() + 2, out.bytes.begin() + size, 0);
  for (size_t y = 0; y < height; ++y) {
    for (size_t x = 0; x < width; ++x) {
      const auto from =
          cells.bytes.begin() + static_cast<ptrdiff_t>(2 + (y * width + x) * godot_cell_bytes);
      std::copy_n(from, godot_cell_bytes,
                  out.bytes.begin() + static_cast<ptrdiff_t>(2 + (y * 40 + x) * godot_cell_bytes));
    }
  }
  return size;
}
