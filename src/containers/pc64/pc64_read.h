#pragma once
// PC64 files (".p00", ".s00", ...): one C64 file behind a 26-byte header, "C64File", a zero,
// the C64 name in 16 bytes padded with zeros, a zero and a REL file's record size.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

inline constexpr int pc64_header_size = 26;

struct pc64_header {
  std::array<uint8_t, 16> name{};  // the C64 name, its zero padding shown as spaces
  uint8_t record_size = 0;
};

// The header from a file's first bytes; nothing when they do not start with one.
std::optional<pc64_header> read_pc64_header(std::span<const uint8_t> start);
