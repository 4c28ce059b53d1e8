#include "formats/packing.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstddef>

namespace {

// Writes the unpacked bytes of a stream from out[2] on, refusing to go past end.
class unpacked_writer {
 public:
  unpacked_writer(file_buffer& out, uint32_t end) : out_(out), end_(end) {}
  bool put(uint8_t value, uint32_t count = 1) {
    if (count > end_ - next_) return false;
    for (uint32_t k = 0; k < count; ++k) out_[static_cast<uint16_t>(next_++)] = value;
    return true;
  }
  bool full() const { return next_ == end_; }
  uint32_t written() const { return next_; }

 private:
  file_buffer& out_;
  uint32_t end_;
  uint32_t next_ = 2;
};

// Each scheme gives the size its stream unpacked to, load address included, or 0 when the
// stream is not well formed: it ends inside a command, runs past the output or lacks its mark.

constexpr uint8_t fe_escape = 0xFE;

// Runs "0xFE value count"; a count of 0 gives nothing. The output ends at its largest size,
// or where the stream ends; what follows is read only for an exact end.
uint32_t unpack_fe_runs(std::span<const uint8_t> data, stream_end end, unpacked_writer& out) {
  size_t i = 0;
  while (i < data.size() && !out.full()) {
    if (data[i] != fe_escape) {
      if (!out.put(data[i++])) return 0;
      continue;
    }
    if (i + 2 >= data.size() || !out.put(data[i + 1], data[i + 2])) return 0;
    i += 3;
  }
  return end == stream_end::exact && i != data.size() ? 0 : out.written();
}

// Runs "escape count value". With an end mark, "escape 0" ends the stream and must come, and
// what follows it is not read; without, the output ends at its size or where the stream ends,
// what follows is read only for an exact end, and a count of 0 is refused.
uint32_t unpack_escape_runs(std::span<const uint8_t> data, uint8_t escape, bool end_mark,
                            stream_end end, unpacked_writer& out) {
  size_t i = 0;
  while (i < data.size() && (end_mark || !out.full())) {
    if (data[i] != escape) {
      if (!out.put(data[i++])) return 0;
      continue;
    }
    if (i + 1 >= data.size()) return 0;
    if (data[i + 1] == 0) return end_mark ? out.written() : 0;
    if (i + 2 >= data.size() || !out.put(data[i + 2], data[i + 1])) return 0;
    i += 3;
  }
  if (end_mark) return 0;
  return end == stream_end::exact && i != data.size() ? 0 : out.written();
}

bool has_mark(std::span<const uint8_t> packed, std::string_view mark) {
  return packed.size() >= 2 + mark.size() &&
         std::equal(mark.begin(), mark.end(), packed.begin() + 2,
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

// Draz Lace and Draz Paint: the mark at 2..14, the escape byte at 15, the stream from 16.
constexpr size_t draz_escape_at = 15;

uint32_t unpack_draz(std::span<const uint8_t> packed, stream_end end, unpacked_writer& out) {
  if (packed.size() <= draz_escape_at + 1) return 0;
  return unpack_escape_runs(packed.subspan(draz_escape_at + 1), packed[draz_escape_at], false, end,
                            out);
}

// Fun Paint: the mark at 2..15, the packed flag at 16, the escape byte at 17.
constexpr size_t funpaint_flag_at = 16, funpaint_stream_at = 18;

uint32_t unpack_funpaint(std::span<const uint8_t> packed, unpacked_writer& out) {
  if (!has_mark(packed, funpaint_mark) || packed.size() <= funpaint_stream_at ||
      packed[funpaint_flag_at] == 0)
    return 0;
  for (size_t k = 2; k < funpaint_stream_at; ++k)
    if (!out.put(k == funpaint_flag_at ? 0 : packed[k])) return 0;
  return unpack_escape_runs(packed.subspan(funpaint_stream_at), packed[funpaint_stream_at - 1],
                            true, stream_end::exact, out);
}

// Hires Manager stores the picture from $4140 to $7FF1: character rows 1..24 of the bitmap
// and the screen RAMs after it. The header holds the address of the file's last byte and
// $7FF2; a plain file has $FF at offset 3, which no packed file's last address has.
constexpr uint32_t him_stream_at = 18, him_lowest = 322, him_highest = 16371;

uint16_t word_at(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t unpack_hires_manager(std::span<const uint8_t> packed, uint32_t size, file_buffer& out) {
  if (packed.size() <= him_stream_at || size <= him_highest ||
      word_at(packed, 2) != 0x4000 - 3 + packed.size() || word_at(packed, 4) != 0x7FF2)
    return 0;
  size_t read = packed.size();       // the stream left: packed[him_stream_at..read)
  uint32_t write = him_highest + 1;  // the picture left: out[him_lowest..write)
  while (write > him_lowest) {
    if (read == him_stream_at) return 0;
    const uint8_t command = packed[--read];
    if (command == 0) {
      if (read - him_stream_at < 2) return 0;
      const uint8_t count = packed[--read];
      const uint8_t value = packed[--read];
      if (count == 0 || count > write - him_lowest) return 0;
      for (uint32_t k = 0; k < count; ++k) out[static_cast<uint16_t>(--write)] = value;
    } else {
      const uint32_t count = command - 1u;
      if (count > read - him_stream_at || count > write - him_lowest) return 0;
      for (uint32_t k = 0; k < count; ++k) out[static_cast<uint16_t>(--write)] = packed[--read];
    }
  }
  if (read != him_stream_at) return 0;
  // Row 0 of the bitmap as a plain file holds it ($FF at offset 3 says "unpacked").
  std::fill(out.bytes.begin() + 2, out.bytes.begin() + him_lowest, 0xFF);
  std::fill(out.bytes.begin() + him_highest + 1, out.bytes.begin() + size, 0);
  return size;
}

// zlib's state and window come from here instead of the heap: nothing is allocated per
// picture, and batches unpack on several threads at once.
struct inflate_arena {
  alignas(std::max_align_t) std::array<uint8_t, 48 * 1024> bytes{};
  size_t used = 0;
};
thread_local inflate_arena arena;

voidpf arena_alloc(voidpf opaque, uInt items, uInt size) {
  auto& from = *static_cast<inflate_arena*>(opaque);
  constexpr size_t align = alignof(std::max_align_t);
  const size_t want = (size_t{items} * size + align - 1) / align * align;
  if (want > from.bytes.size() - from.used) return Z_NULL;
  void* block = from.bytes.data() + from.used;
  from.used += want;
  return block;
}

void arena_free(voidpf, voidpf) {}  // the arena starts empty for every stream

// The stream must end, checksum and all, exactly at the end of the file, having filled no
// more than the output.
uint32_t inflate_zlib(std::span<const uint8_t> packed, uint32_t size, file_buffer& out) {
  arena.used = 0;
  z_stream stream{};
  stream.zalloc = arena_alloc;
  stream.zfree = arena_free;
  stream.opaque = &arena;
  if (inflateInit(&stream) != Z_OK) return 0;
  stream.next_in = packed.data();
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = out.bytes.data() + 2;
  stream.avail_out = size - 2;
  const bool ended = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_in == 0;
  const uint32_t reached = ended ? static_cast<uint32_t>(2 + stream.total_out) : 0;
  inflateEnd(&stream);
  return reached;
}

}  // namespace

result<> unpack(packing scheme, std::span<const uint8_t> packed, unpacked_sizes sizes,
                file_buffer& out, stream_end end) {
  const uint32_t largest = std::max(sizes.size, sizes.longer);
  if (packed.size() < 2 || sizes.size < 2 || largest > out.bytes.size())
    return failure{"the packed file is too short"};
  out[0] = packed[0];
  out[1] = packed[1];
  unpacked_writer writer(out, largest);
  uint32_t reached = 0;
  switch (scheme) {
    case packing::none:
      break;
    case packing::fe_runs:
      reached = unpack_fe_runs(packed.subspan(2), end, writer);
      break;
    case packing::amica_runs:
      reached = unpack_escape_runs(packed.subspan(2), amica_escape, true, end, writer);
      break;
    case packing::drazlace_runs:
      if (has_mark(packed, drazlace_mark)) reached = unpack_draz(packed, end, writer);
      break;
    case packing::drazpaint_runs:
      if (has_mark(packed, drazpaint_marks[0]) || has_mark(packed, drazpaint_marks[1]))
        reached = unpack_draz(packed, end, writer);
      break;
    case packing::funpaint_runs:
      reached = unpack_funpaint(packed, writer);
      break;
    case packing::hires_manager_backwards:
      reached = unpack_hires_manager(packed, largest, out);
      break;
    case packing::zlib:
      reached = inflate_zlib(packed, largest, out);
      break;
  }
  if (reached == 0 || (reached != sizes.size && reached != sizes.longer))
    return failure{"the packed data does not unpack to the picture's size"};
  return {};
}
