#pragma once
// The bytes a container is read from: a host file, read at the offsets asked for, or bytes
// already in memory (an entry of another container).
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/result.h"

struct byte_source {
  int fd = -1;                     // a host file when not -1, read with pread
  std::span<const uint8_t> bytes;  // else these bytes
  uint64_t size = 0;               // the file's size or bytes.size()
};

// The source over bytes in memory.
inline byte_source memory_source(std::span<const uint8_t> bytes) {
  return {-1, bytes, bytes.size()};
}

// Reads up to out.size() bytes from offset; fewer at the end, none past it.
result<size_t> read_at(const byte_source& source, uint64_t offset, std::span<uint8_t> out);
