#include <algorithm>
#include <optional>

#include "formats/packed_streams.h"

namespace {

// Reads a packed file from its last byte down to offset 2, as no byte below is stream.
class backward_reader {
 public:
  explicit backward_reader(std::span<const uint8_t> packed) : packed_(packed), at_(packed.size()) {}
  bool has(size_t count) const { return at_ >= 2 + count; }
  uint8_t next() { return packed_[--at_]; }
  // Whether the stream was read down to stream_at, where an exact end wants it to stop.
  bool ends_right(size_t stream_at, stream_end end) const {
    return end == stream_end::may_trail || at_ == stream_at;
  }

 private:
  std::span<const uint8_t> packed_;
  size_t at_;
};

// Writes out from out[size - 1] down to out[2], refusing to go below.
class backward_writer {
 public:
  backward_writer(file_buffer& out, uint32_t size) : out_(out), next_(size) {}
  bool put(uint8_t value, uint32_t count = 1) {
    if (count > next_ - 2) return false;
    for (uint32_t k = 0; k < count; ++k) out_[static_cast<uint16_t>(--next_)] = value;
    return true;
  }
  bool full() const { return next_ == 2; }

 private:
  file_buffer& out_;
  uint32_t next_;
};

uint16_t word_at(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

uint32_t unpack_backward_escape_runs(std::span<const uint8_t> packed, uint8_t escape,
                                     size_t stream_at, uint32_t size, stream_end end,
                                     file_buffer& out) {
  backward_reader in(packed);
  backward_writer writer(out, size);
  while (!writer.full()) {
    if (!in.has(1)) return 0;
    const uint8_t byte = in.next();
    if (byte != escape) {
      writer.put(byte);
      continue;
    }
    if (!in.has(2)) return 0;
    const uint8_t count = in.next();
    if (!writer.put(in.next(), count == 0 ? 256 : count)) return 0;
  }
  return in.ends_right(stream_at, end) ? size : 0;
}

// Hires Manager stores the picture from $4140 to $7FF1: character rows 1..24 of the bitmap
// and the screen RAMs after it. The header holds the address of the file's last byte and
// $7FF2; a plain file has $FF at offset 3, which no packed file's last address has.
constexpr uint32_t him_stream_at = 18, him_lowest = 322, him_highest = 16371;

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
  // What lies below the last command is not read: a real file leaves a byte there.
  // Row 0 of the bitmap as a plain file holds it ($FF at offset 3 says "unpacked").
  std::fill(out.bytes.begin() + 2, out.bytes.begin() + him_lowest, 0xFF);
  std::fill(out.bytes.begin() + him_highest + 1, out.bytes.begin() + size, 0);
  return size;
}

// The unpacker at the start of a True Paint file keeps nine commands: command e is the byte
// at flags + e, and the byte at types + e says what it does; values + e holds a pair's value,
// and one more byte the value of the "zero" runs.
constexpr size_t true_paint_types = 0x78, true_paint_flags = 0x81, true_paint_values = 0x85,
                 true_paint_zero = 0x4F, true_paint_commands = 9,
                 true_paint_stream_at = true_paint_values + true_paint_commands;

namespace {

struct run {
  uint8_t value;
  uint32_t count;
};

// What command e writes, reading its operands; nothing when they are missing.
std::optional<run> true_paint_run(std::span<const uint8_t> packed, size_t e, uint8_t byte,
                                  backward_reader& in) {
  const uint8_t zero = packed[true_paint_zero];
  switch (packed[true_paint_types + e]) {
    case 0x00:  // a pair of the command's value
      return run{packed[true_paint_values + e], 2};
    case 0x07:  // count + 2 zeros
      if (!in.has(1)) return std::nullopt;
      return run{zero, 2u + in.next()};
    case 0x0B:
      return run{zero, 3};
    case 0x11: {  // count + 2 of the value
      if (!in.has(2)) return std::nullopt;
      const uint32_t count = 2u + in.next();
      return run{in.next(), count};
    }
    case 0x17:
      if (!in.has(1)) return std::nullopt;
      return run{in.next(), 3};
    case 0x19:  // the next byte as it is, though it is a command's
      if (!in.has(1)) return std::nullopt;
      return run{in.next(), 1};
    default:
      return run{byte, 1};
  }
}

}  // namespace

uint32_t unpack_true_paint(std::span<const uint8_t> packed, uint32_t size, stream_end end,
                           file_buffer& out) {
  if (packed.size() <= true_paint_stream_at) return 0;
  backward_reader in(packed);
  backward_writer writer(out, size);
  while (!writer.full()) {
    if (!in.has(1)) return 0;
    const uint8_t byte = in.next();
    std::optional<run> next = run{byte, 1};
    // The last command of the byte's value counts.
    for (size_t e = true_paint_commands; e-- > 0;) {
      if (packed[true_paint_flags + e] != byte) continue;
      next = true_paint_run(packed, e, byte, in);
      break;
    }
    if (!next || !writer.put(next->value, next->count)) return 0;
  }
  return in.ends_right(true_paint_stream_at, end) ? size : 0;
}
