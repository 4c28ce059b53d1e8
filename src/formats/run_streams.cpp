#include "formats/run_streams.h"

packed_bytes packed_bytes::forward(std::span<const uint8_t> bytes, size_t from) {
  packed_bytes in;
  in.bytes_ = bytes;
  in.at_ = from;
  return in;
}

packed_bytes packed_bytes::backward(std::span<const uint8_t> bytes, size_t end, size_t first) {
  packed_bytes in;
  in.bytes_ = bytes;
  in.at_ = end < bytes.size() ? end : bytes.size();
  in.first_ = first;
  in.backward_ = true;
  return in;
}

int packed_bytes::next() {
  if (backward_) return at_ > first_ ? bytes_[--at_] : -1;
  return at_ < bytes_.size() ? bytes_[at_++] : -1;
}

namespace {

// One run: count copies of value, or count plain bytes when value is -1.
struct run {
  int count = 0;
  int value = -1;
};

// The next run; false at the end of the input.
bool next_run(run_scheme scheme, packed_bytes& in, uint8_t escape, run& r) {
  const int b = in.next();
  if (b < 0) return false;
  if (scheme == run_scheme::packbits) {
    r = b < 128 ? run{b, -1} : run{b - 128, in.next()};
    return true;
  }
  if (b != escape) {
    r = {1, b};
    return true;
  }
  int count = in.next();
  if (scheme == run_scheme::escape_runs_long_count && count >= 0) {
    const int high = in.next();
    count = high < 0 ? -1 : count | high << 8;
  }
  const int value = in.next();
  if (count < 0 || value < 0) return false;
  r = {count == 0 && scheme == run_scheme::escape_runs ? 256 : count, value};
  return true;
}

}  // namespace

result<> unpack_runs(run_scheme scheme, packed_bytes& in, uint8_t escape, std::span<uint8_t> out,
                     bool backward_fill) {
  run r;
  for (size_t done = 0; done < out.size(); ++done) {
    while (r.count == 0)
      if (!next_run(scheme, in, escape, r)) return failure{"the packed data end too early"};
    --r.count;
    const int value = r.value >= 0 ? r.value : in.next();
    if (value < 0) return failure{"the packed data end too early"};
    out[backward_fill ? out.size() - 1 - done : done] = static_cast<uint8_t>(value);
  }
  return {};
}
