#include "formats/packed_streams.h"

uint32_t unpack_escape_runs(std::span<const uint8_t> data, const escape_runs& runs, stream_end end,
                            unpacked_writer& out) {
  const bool zero_ends = runs.zero == zero_count::ends_stream;
  size_t i = 0;
  while (i < data.size() && (zero_ends || !out.full())) {
    if (data[i] != runs.escape) {
      if (!out.put(data[i++])) return 0;
      continue;
    }
    if (i + 1 >= data.size()) return 0;
    // "escape 0" may end the stream as its last two bytes.
    if (!runs.value_first && data[i + 1] == 0) {
      if (zero_ends) return out.written();
      if (runs.zero == zero_count::refused) return 0;
    }
    if (i + 2 >= data.size()) return 0;
    const uint8_t count = runs.value_first ? data[i + 2] : data[i + 1];
    const uint8_t value = runs.value_first ? data[i + 1] : data[i + 2];
    const uint32_t times =
        count == 0 && runs.zero == zero_count::times_256 ? 256 : count + uint32_t{runs.count_added};
    if (!out.put(value, times)) return 0;
    i += 3;
  }
  if (zero_ends) return 0;
  return end == stream_end::exact && i != data.size() ? 0 : out.written();
}
