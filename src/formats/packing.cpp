#include "formats/packing.h"

#include "base/thread_scratch.h"
#include "formats/packed_streams.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr escape_runs gg_runs = {0xFE, zero_count::nothing, 0, true};
constexpr escape_runs amica_runs = {amica_escape, zero_count::ends_stream};

bool has_mark(std::span<const uint8_t> packed, std::string_view mark) {
  return packed.size() >= 2 + mark.size() &&
         std::equal(mark.begin(), mark.end(), packed.begin() + 2,
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

// A stream whose escape byte comes at escape_at, right before it: Draz Lace and Draz Paint
// (after their marks), ECI and UFLI (after the load address).
uint32_t unpack_escaped(std::span<const uint8_t> packed, size_t escape_at, zero_count zero,
                        stream_end end, unpacked_writer& out) {
  if (packed.size() <= escape_at + 1) return 0;
  return unpack_escape_runs(packed.subspan(escape_at + 1), {packed[escape_at], zero}, end, out);
}

// Draz Lace and Draz Paint: the mark at 2..14, the escape byte at 15, the stream from 16.
constexpr size_t draz_escape_at = 15;

// Fun Paint: the mark at 2..15, the packed flag at 16, the escape byte at 17.
constexpr size_t funpaint_flag_at = 16, funpaint_stream_at = 18;

uint32_t unpack_funpaint(std::span<const uint8_t> packed, unpacked_writer& out) {
  if (!has_mark(packed, funpaint_mark) || packed.size() <= funpaint_stream_at ||
      packed[funpaint_flag_at] == 0)
    return 0;
  for (size_t k = 2; k < funpaint_stream_at; ++k)
    if (!out.put(k == funpaint_flag_at ? 0 : packed[k])) return 0;
  return unpack_escape_runs(packed.subspan(funpaint_stream_at),
                            {packed[funpaint_stream_at - 1], zero_count::ends_stream},
                            stream_end::exact, out);
}

// Flip's and FLI Graph's packed files: a header of 16 bytes, the escape byte first, below the
// stream.
constexpr size_t backward_header_end = 18;

// Pixel Perfect: three bytes 0x10, the escape byte at 5, runs "escape count value" of count + 1
// from 6, and the file ends with its stream.
constexpr size_t pixel_perfect_escape_at = 5;

uint32_t unpack_pixel_perfect(std::span<const uint8_t> packed, unpacked_writer& out) {
  if (packed.size() <= pixel_perfect_escape_at + 1) return 0;
  return unpack_escape_runs(packed.subspan(pixel_perfect_escape_at + 1),
                            {packed[pixel_perfect_escape_at], zero_count::nothing, 1},
                            stream_end::exact, out);
}

// zlib's state and window come from here instead of the heap: nothing is allocated per
// picture, and batches unpack on several threads at once.
struct inflate_arena {
  alignas(std::max_align_t) std::array<uint8_t, 48 * 1024> bytes{};
  size_t used = 0;
};

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
  inflate_arena& arena = thread_scratch<inflate_arena, inflate_arena>();
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
      reached = unpack_escape_runs(packed.subspan(2), gg_runs, end, writer);
      break;
    case packing::amica_runs:
      reached = unpack_escape_runs(packed.subspan(2), amica_runs, end, writer);
      break;
    case packing::drazlace_runs:
      if (has_mark(packed, drazlace_mark))
        reached = unpack_escaped(packed, draz_escape_at, zero_count::refused, end, writer);
      break;
    case packing::drazpaint_runs:
      if (has_mark(packed, drazpaint_marks[0]) || has_mark(packed, drazpaint_marks[1]))
        reached = unpack_escaped(packed, draz_escape_at, zero_count::refused, end, writer);
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
    case packing::eci_runs:
      reached = unpack_escaped(packed, 2, zero_count::refused, end, writer);
      break;
    case packing::ufli_runs:
      reached = unpack_escaped(packed, 2, zero_count::times_256, end, writer);
      break;
    case packing::pixel_perfect_runs:
      reached = unpack_pixel_perfect(packed, writer);
      break;
    case packing::vhi_commands:
      reached = unpack_vhi_commands(packed.subspan(2), end, writer);
      break;
    case packing::boogie_down:
      reached = unpack_boogie_down(packed, end, writer);
      break;
    case packing::backward_runs_escape_last:
      reached = unpack_backward_escape_runs(packed.first(packed.size() - 1), packed.back(), 2,
                                            largest, end, out);
      break;
    case packing::backward_runs_escape_at_2:
      if (packed.size() > backward_header_end)
        reached =
            unpack_backward_escape_runs(packed, packed[2], backward_header_end, largest, end, out);
      break;
    case packing::true_paint_backwards:
      reached = unpack_true_paint(packed, largest, end, out);
      break;
    case packing::micro_illustrator_runs:
      reached = unpack_micro_illustrator(packed, largest, end, out);
      break;
    case packing::godot_runs:
      reached = unpack_godot(packed, false, largest, end, out);
      break;
    case packing::godot_clip:
      reached = unpack_godot(packed, true, largest, end, out);
      break;
  }
  if (reached == 0 || (reached != sizes.size && reached != sizes.longer))
    return failure{"the packed data does not unpack to the picture's size"};
  return {};
}
