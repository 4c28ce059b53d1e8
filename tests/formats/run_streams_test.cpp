#include "formats/run_streams.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

std::vector<uint8_t> unpacked(run_scheme scheme, packed_bytes in, uint8_t escape, size_t size,
                              bool backward_fill = false) {
  std::vector<uint8_t> out(size, 0xEE);
  if (!unpack_runs(scheme, in, escape, out, backward_fill)) return {};
  return out;
}

TEST(RunStreams, EscapeRunsRepeatAValueAndCountZeroIs256) {
  const std::array<uint8_t, 11> packed = {7, 0xAA, 3, 9, 0xAA, 0, 5, 0xAA, 4, 8, 0xEE};
  const std::vector<uint8_t> out =
      unpacked(run_scheme::escape_runs, packed_bytes::forward(packed, 0), 0xAA, 1 + 3 + 256 + 2);
  ASSERT_EQ(out.size(), 262u);
  EXPECT_EQ(out[0], 7);
  EXPECT_EQ(out[1], 9);
  EXPECT_EQ(out[3], 9);
  EXPECT_EQ(out[4], 5);
  EXPECT_EQ(out[259], 5);
  // The last run is cut where the output ends.
  EXPECT_EQ(out[260], 8);
  EXPECT_EQ(out[261], 8);
}

TEST(RunStreams, CountZeroGivesNothingWhereTheSchemeSaysSo) {
  const std::array<uint8_t, 8> packed = {0xAA, 0, 5, 6, 0xAA, 2, 0, 7};
  EXPECT_EQ(unpacked(run_scheme::escape_runs_empty_zero, packed_bytes::forward(packed, 0), 0xAA, 4),
            (std::vector<uint8_t>{6, 0, 0, 7}));
  const std::array<uint8_t, 7> long_runs = {0x9B, 0, 0, 1, 0x9B, 0x02, 0x01};
  const std::array<uint8_t, 8> with_value = {0x9B, 0, 0, 1, 0x9B, 0x02, 0x01, 4};
  EXPECT_TRUE(
      unpacked(run_scheme::escape_runs_long_count, packed_bytes::forward(long_runs, 0), 0x9B, 258)
          .empty());
  const std::vector<uint8_t> out =
      unpacked(run_scheme::escape_runs_long_count, packed_bytes::forward(with_value, 0), 0x9B, 258);
  ASSERT_EQ(out.size(), 258u);
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(out[257], 4);
}

TEST(RunStreams, PackbitsCopiesPlainBytesOrRepeatsOne) {
  const std::array<uint8_t, 6> packed = {2, 8, 9, 0x83, 4, 0x80};
  EXPECT_EQ(unpacked(run_scheme::packbits, packed_bytes::forward(packed, 0), 0, 5),
            (std::vector<uint8_t>{8, 9, 4, 4, 4}));
}

// Read from the end towards a first byte that may still be read, the output filled from its
// end: a run reads escape, count, value going down.
TEST(RunStreams, BackwardReadingStopsAtTheFirstByteAllowed) {
  const std::array<uint8_t, 7> packed = {0xFF, 0xFF, 1, 6, 3, 0xAA, 2};
  EXPECT_EQ(unpacked(run_scheme::escape_runs, packed_bytes::backward(packed, 7, 2), 0xAA, 5, true),
            (std::vector<uint8_t>{1, 6, 6, 6, 2}));
  // One more byte would have to come from below the first byte allowed.
  EXPECT_TRUE(unpacked(run_scheme::escape_runs, packed_bytes::backward(packed, 7, 2), 0xAA, 6, true)
                  .empty());
}

TEST(RunStreams, InputEndingInsideARunFails) {
  const std::array<uint8_t, 2> packed = {0xAA, 3};
  EXPECT_TRUE(unpacked(run_scheme::escape_runs, packed_bytes::forward(packed, 0), 0xAA, 3).empty());
  const std::array<uint8_t, 2> plain = {3, 1};
  EXPECT_TRUE(unpacked(run_scheme::packbits, packed_bytes::forward(plain, 0), 0, 3).empty());
}

}  // namespace
