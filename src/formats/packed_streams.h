#pragma once
// The streams that packing schemes are made of, for unpack() to pick from. Each gives the size
// its stream unpacked to, load address included, or 0 when the stream is not well formed: it
// ends inside a command, runs past the output, lacks its mark or (for an exact end) leaves bytes
// unread.
#include <cstdint>
#include <span>

#include "formats/packing.h"

// Writes the unpacked bytes of a stream from out[2] on, refusing to go past end.
class unpacked_writer {
 public:
  unpacked_writer(file_buffer& out, uint32_t end) : out_(out), end_(end) {}
  bool put(uint8_t value, uint32_t count = 1) {
    if (count > end_ - next_) return false;
    for (uint32_t k = 0; k < count; ++k) out_[static_cast<uint16_t>(next_++)] = value;
    return true;
  }
  bool put(std::span<const uint8_t> bytes) {
    if (bytes.size() > end_ - next_) return false;
    for (const uint8_t byte : bytes) out_[static_cast<uint16_t>(next_++)] = byte;
    return true;
  }
  bool full() const { return next_ == end_; }
  uint32_t written() const { return next_; }

 private:
  file_buffer& out_;
  uint32_t end_;
  uint32_t next_ = 2;
};

// What a run's count of 0 means; readers of some schemes disagree, and such a count is refused.
enum class zero_count : uint8_t { refused, nothing, times_256, ends_stream };

// Runs "escape count value" (or "escape value count") between plain bytes.
struct escape_runs {
  uint8_t escape = 0;
  zero_count zero = zero_count::refused;
  uint8_t count_added = 0;   // a run repeats its value count + count_added times
  bool value_first = false;  // "escape value count"
};

// Forward from data[0]: the output ends at its largest size, where the stream ends, or, for a
// stream that zero counts end, there; what follows is read only for an exact end.
uint32_t unpack_escape_runs(std::span<const uint8_t> data, const escape_runs& runs, stream_end end,
                            unpacked_writer& out);

// Read from the file's end down, written from out[size - 1] down to out[2]: runs "escape count
// value" in reading order (a count of 0 repeats 256 times) between plain bytes. The stream ends
// where the output is full, for an exact end at stream_at, where the file's header ends; no
// byte below offset 2 is read.
uint32_t unpack_backward_escape_runs(std::span<const uint8_t> packed, uint8_t escape,
                                     size_t stream_at, uint32_t size, stream_end end,
                                     file_buffer& out);

// Hires Manager: read from the last byte down to offset 18, written from offset 16371 down to
// 322.
uint32_t unpack_hires_manager(std::span<const uint8_t> packed, uint32_t size, file_buffer& out);

// True Paint's self-showing files: read from the last byte down, by the tables of commands the
// file's own unpacker holds, for an exact end down to the byte after them.
uint32_t unpack_true_paint(std::span<const uint8_t> packed, uint32_t size, stream_end end,
                           file_buffer& out);

// Vertical Hires Interlace Editor: commands "0 count" plain bytes and "1 count value".
uint32_t unpack_vhi_commands(std::span<const uint8_t> data, stream_end end, unpacked_writer& out);

// Boogie Down Paint's three versions.
uint32_t unpack_boogie_down(std::span<const uint8_t> packed, stream_end end, unpacked_writer& out);

// Micro Illustrator's packed types: a run-length stream of the screen RAM, colour RAM and
// bitmap, written into the plain file's layout.
uint32_t unpack_micro_illustrator(std::span<const uint8_t> packed, uint32_t size, stream_end end,
                                  file_buffer& out);

// GoDot's packed 4-bit picture and clip: the clip's cells at the picture's top left.
uint32_t unpack_godot(std::span<const uint8_t> packed, bool clip, uint32_t size, stream_end end,
                      file_buffer& out);
