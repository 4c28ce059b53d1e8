#pragma once
// Division of 32-bit numbers by one divisor as a multiplication and a shift, exact for every
// numerator (Granlund and Montgomery): with 2^l >= d and m = floor(2^(32 + l) / d) + 1,
// n / d == n * m >> (32 + l) for every n below 2^32. A divide instruction for each channel of
// each thumbnail pixel took a quarter of the shrinking.
#include <bit>
#include <cstdint>

class exact_divisor {
 public:
  explicit exact_divisor(uint32_t d)
      : shift_(32 + static_cast<int>(std::bit_width(d - 1))),
        multiplier_(static_cast<uint64_t>((static_cast<unsigned __int128>(1) << shift_) / d + 1)) {}
  uint32_t divide(uint32_t n) const {
    return static_cast<uint32_t>(static_cast<unsigned __int128>(n) * multiplier_ >> shift_);
  }

 private:
  int shift_;
  uint64_t multiplier_;
};
