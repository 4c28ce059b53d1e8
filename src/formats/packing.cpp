#include "formats/packing.h"

namespace {

// Writes the unpacked bytes of a stream from out[2] on, refusing to go past unpacked_size.
class unpacked_writer {
 public:
  unpacked_writer(file_buffer& out, uint32_t unpacked_size) : out_(out), end_(unpacked_size) {}
  bool put(uint8_t value, uint32_t count = 1) {
    if (count > end_ - next_) return false;
    for (uint32_t k = 0; k < count; ++k) out_[static_cast<uint16_t>(next_++)] = value;
    return true;
  }
  bool full() const { return next_ == end_; }

 private:
  file_buffer& out_;
  uint32_t end_;
  uint32_t next_ = 2;
};

constexpr uint8_t fe_escape = 0xFE;

// Runs "0xFE value count"; a count of 0 gives nothing. The output ends at its size, whatever
// follows (some files carry padding).
bool unpack_fe_runs(std::span<const uint8_t> data, unpacked_writer& out) {
  for (size_t i = 0; i < data.size() && !out.full();) {
    if (data[i] != fe_escape) {
      if (!out.put(data[i++])) return false;
      continue;
    }
    if (i + 2 >= data.size() || !out.put(data[i + 1], data[i + 2])) return false;
    i += 3;
  }
  return out.full();
}

}  // namespace

result<> unpack(packing scheme, std::span<const uint8_t> packed, uint32_t unpacked_size,
                file_buffer& out) {
  if (packed.size() < 2 || unpacked_size < 2 || unpacked_size > out.bytes.size())
    return failure{"the packed file is too short"};
  out[0] = packed[0];
  out[1] = packed[1];
  unpacked_writer writer(out, unpacked_size);
  bool unpacked = false;
  switch (scheme) {
    case packing::none:
      break;
    case packing::fe_runs:
      unpacked = unpack_fe_runs(packed.subspan(2), writer);
      break;
  }
  if (!unpacked) return failure{"the packed data does not unpack to the picture's size"};
  return {};
}
