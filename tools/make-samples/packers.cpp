#include "packers.h"

namespace {

// Writes bytes from packed[2] on, after the load address.
class packed_writer {
 public:
  explicit packed_writer(file_buffer& out) : out_(out) {}
  void put(uint8_t value) { out_[static_cast<uint16_t>(next_++)] = value; }
  uint32_t size() const { return next_; }

 private:
  file_buffer& out_;
  uint32_t next_ = 2;
};

constexpr uint8_t fe_escape = 0xFE;

// Runs of four or more, and every escape byte, as "0xFE value count"; other bytes as they are.
void pack_fe_runs(std::span<const uint8_t> data, packed_writer& out) {
  for (size_t i = 0; i < data.size();) {
    size_t run = 1;
    while (i + run < data.size() && data[i + run] == data[i] && run < 255) ++run;
    if (run >= 4 || data[i] == fe_escape) {
      out.put(fe_escape);
      out.put(data[i]);
      out.put(static_cast<uint8_t>(run));
    } else {
      for (size_t k = 0; k < run; ++k) out.put(data[i]);
    }
    i += run;
  }
}

}  // namespace

uint32_t pack(packing scheme, std::span<const uint8_t> plain, file_buffer& packed) {
  packed[0] = plain[0];
  packed[1] = plain[1];
  packed_writer out(packed);
  switch (scheme) {
    case packing::none:
      for (const uint8_t byte : plain.subspan(2)) out.put(byte);
      break;
    case packing::fe_runs:
      pack_fe_runs(plain.subspan(2), out);
      break;
  }
  return out.size();
}
