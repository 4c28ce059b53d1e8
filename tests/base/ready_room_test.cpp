#include "base/ready_room.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// A room is kept, bytes and all, while it is large enough, and made anew when more is wanted.
TEST(ReadyRoom, IsKeptUntilMoreIsWanted) {
  ready_room room;
  uint8_t* small = room.room(5000);
  ASSERT_NE(small, nullptr);
  std::fill_n(small, 5000, 0xA5);
  EXPECT_EQ(room.room(100), small);
  EXPECT_EQ(room.room(5000)[4999], 0xA5);
  uint8_t* large = room.room(300000);
  ASSERT_NE(large, nullptr);
  std::fill_n(large, 300000, 1);
  EXPECT_EQ(large[299999], 1);
}

// Every page a byte of the range lies on is mapped, the first and the last too when the range
// starts and ends inside them, and what the pages held is kept.
TEST(ReadyPages, MapsEveryPageOfTheRangeKeepingItsBytes) {
  const auto page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
  std::vector<uint8_t> bytes(3 * page + 123);
  std::iota(bytes.begin(), bytes.end(), uint8_t{7});
  const std::vector<uint8_t> before = bytes;
  ready_pages(bytes.data() + 5, bytes.size() - 10);
  EXPECT_EQ(bytes, before);

  const size_t size = 16 * page;
  auto* fresh = static_cast<uint8_t*>(
      ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(fresh, MAP_FAILED);
  const bool system_maps = ::madvise(fresh + size - page, page, MADV_POPULATE_WRITE) == 0;
  ready_pages(fresh + page + 100, 5 * page);
  std::vector<unsigned char> resident(16);
  ASSERT_EQ(::mincore(fresh, size, resident.data()), 0);
  for (size_t k = 0; k < 15 && system_maps; ++k)
    EXPECT_EQ(resident[k] & 1, k >= 1 && k <= 6 ? 1 : 0) << "page " << k;
  EXPECT_TRUE(std::all_of(fresh, fresh + size, [](uint8_t b) { return b == 0; }));
  ::munmap(fresh, size);
}

}  // namespace
