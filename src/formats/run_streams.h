#pragma once
// The run-length streams that packed sprite, character and page pictures use, read forward or
// backward over a file's bytes. Unpacking is bounded: it stops once its output is full, cuts a
// run that would go past it, and fails when the input ends first.
#include <cstdint>
#include <span>

#include "base/result.h"

// Where the packed bytes come from.
class packed_bytes {
 public:
  // Reads bytes[from], bytes[from + 1], ... up to the end.
  static packed_bytes forward(std::span<const uint8_t> bytes, size_t from);
  // Reads the byte before end, then the one before it, ... down to bytes[first] (included).
  static packed_bytes backward(std::span<const uint8_t> bytes, size_t end, size_t first);

  // The next byte, or -1 when there is none.
  int next();
  // Where reading goes on: the index of the next byte forward, one past it backward.
  size_t position() const { return at_; }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
  size_t first_ = 0;
  bool backward_ = false;
};

enum class run_scheme : uint8_t {
  // "escape count value" is count copies of value (a count of 0 is 256); other bytes are plain.
  escape_runs,
  // The same, but a count of 0 gives nothing.
  escape_runs_empty_zero,
  // "escape count-low count-high value", a count of 0 giving nothing.
  escape_runs_long_count,
  // A command byte c below 128 is followed by c plain bytes; from 128 on, by one byte repeated
  // c - 128 times.
  packbits,
};

// Fills out from its first byte on (from its last byte down when backward_fill) with the
// unpacked stream.
result<> unpack_runs(run_scheme scheme, packed_bytes& in, uint8_t escape, std::span<uint8_t> out,
                     bool backward_fill = false);
