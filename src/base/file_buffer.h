#pragma once
// The raw bytes of a file read whole: a picture file, or one file of a container.
#include <array>
#include <cstdint>

// Addressed with a 16-bit index, so it can never be indexed outside its 65536 bytes.
struct file_buffer {
  std::array<uint8_t, 65536> bytes{};

  uint8_t& operator[](uint16_t i) { return bytes[i]; }
  uint8_t operator[](uint16_t i) const { return bytes[i]; }
};
