#include "surface/pixel_buffer.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "surface/surface.h"

namespace {

// Pages of the buffer the system has given memory to.
size_t resident_pages(const pixel_buffer& buffer) {
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<uintptr_t>(buffer.data()) / page * page;
  const auto end = reinterpret_cast<uintptr_t>(buffer.data() + buffer.size());
  std::vector<unsigned char> in_core((end - start + page - 1) / page);
  if (::mincore(reinterpret_cast<void*>(start), end - start, in_core.data()) != 0) return 0;
  return static_cast<size_t>(
      std::count_if(in_core.begin(), in_core.end(), [](unsigned char c) { return (c & 1) != 0; }));
}

// A fresh screen-sized surface reads as black, yet no page of it is in memory before it is
// drawn on: a render that draws part of it pays for that part only.
TEST(PixelBuffer, AFreshSurfaceIsBlackWithoutBeingWritten) {
  surface s = create_surface(screen_width, screen_height);
  EXPECT_EQ(resident_pages(s.pixels), 0u);
  s.pixels[0] = 1;
  EXPECT_TRUE(std::all_of(s.pixels.begin() + 1, s.pixels.end(), [](uint32_t p) { return p == 0; }));
}

// Clearing writes only what was drawn since the buffer was last all 0: what was drawn before
// it shrank is cleared when it grows back, and a buffer cleared once is not cleared again (its
// pages, handed back to the system, stay out of memory).
TEST(PixelBuffer, ClearsOnlyWhatWasWrittenSinceItWasLastClear) {
  constexpr size_t count = 480000;
  pixel_buffer b(count);
  const pixel_buffer& view = b;
  b.assign(count, 7);
  b.assign(1000, 0);
  b.assign(count, 0);
  EXPECT_TRUE(std::all_of(view.begin(), view.end(), [](uint32_t p) { return p == 0; }));
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<uintptr_t>(view.data()) / page * page;
  const auto end = reinterpret_cast<uintptr_t>(view.data() + count);
  ASSERT_EQ(::madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED), 0);
  ASSERT_EQ(resident_pages(view), 0u);
  b.assign(count, 0);
  EXPECT_EQ(resident_pages(view), 0u);
}

TEST(PixelBuffer, CopiesAreDeepAndCompareByContent) {
  for (const size_t count : {size_t{5}, size_t{480000}}) {
    pixel_buffer a(count);
    a[count - 1] = 7;
    pixel_buffer b = a;
    EXPECT_TRUE(a == b);
    b[0] = 1;
    EXPECT_FALSE(a == b);
    EXPECT_EQ(a[0], 0u);
    a = b;
    EXPECT_TRUE(a == b);
    const std::vector<uint32_t> kept = a;
    const pixel_buffer moved = std::move(a);
    EXPECT_TRUE(moved == kept);
    EXPECT_TRUE(moved == b);
  }
  EXPECT_TRUE(pixel_buffer() == pixel_buffer());
  EXPECT_FALSE(pixel_buffer(1) == pixel_buffer(2));
}

}  // namespace
