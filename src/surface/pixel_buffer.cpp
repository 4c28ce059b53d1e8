#include "surface/pixel_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace {

constexpr size_t huge_page = size_t{2} << 20;
// From this size on a buffer lies in huge pages where the system has them: one fault and one
// clearing of 2 MB instead of hundreds of faults for 4 KB pages.
constexpr size_t huge_from = size_t{1} << 20;

size_t mapped_bytes(size_t count) {
  return (count * sizeof(uint32_t) + huge_page - 1) / huge_page * huge_page;
}

// Fresh pages at a huge page's boundary, offered to the system as huge pages.
uint32_t* map_huge(size_t bytes) {
  void* raw = ::mmap(nullptr, bytes + huge_page, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const size_t lead = (huge_page - reinterpret_cast<uintptr_t>(raw) % huge_page) % huge_page;
  char* aligned = static_cast<char*>(raw) + lead;
  if (lead != 0) ::munmap(raw, lead);
  ::munmap(aligned + bytes, huge_page - lead);
  ::madvise(aligned, bytes, MADV_HUGEPAGE);
  return reinterpret_cast<uint32_t*>(aligned);
}

// Fresh storage for count words, all 0; null for none.
uint32_t* fresh_words(size_t count) {
  if (count == 0) return nullptr;
  uint32_t* words = count * sizeof(uint32_t) >= huge_from
                        ? map_huge(mapped_bytes(count))
                        : static_cast<uint32_t*>(std::calloc(count, sizeof(uint32_t)));
  if (!words) throw std::bad_alloc();
  return words;
}

void free_words(uint32_t* words, size_t capacity) {
  if (capacity * sizeof(uint32_t) >= huge_from)
    ::munmap(words, mapped_bytes(capacity));
  else
    std::free(words);
}

}  // namespace

pixel_buffer::pixel_buffer(size_t count)
    : words_(fresh_words(count)), count_(count), capacity_(count) {}

pixel_buffer::pixel_buffer(const pixel_buffer& other) : pixel_buffer(other.count_) {
  std::copy(other.begin(), other.end(), written());
}

pixel_buffer& pixel_buffer::operator=(const pixel_buffer& other) {
  if (this != &other) *this = pixel_buffer(other);
  return *this;
}

pixel_buffer::pixel_buffer(pixel_buffer&& other) noexcept
    : words_(std::exchange(other.words_, nullptr)),
      count_(std::exchange(other.count_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      dirty_(std::exchange(other.dirty_, 0)) {}

pixel_buffer& pixel_buffer::operator=(pixel_buffer&& other) noexcept {
  std::swap(words_, other.words_);
  std::swap(count_, other.count_);
  std::swap(capacity_, other.capacity_);
  std::swap(dirty_, other.dirty_);
  return *this;
}

pixel_buffer::~pixel_buffer() {
  free_words(words_, capacity_);
}

void pixel_buffer::assign(size_t count, uint32_t value) {
  if (count > capacity_) *this = pixel_buffer(count);
  count_ = count;
  if (value != 0) {
    std::fill_n(written(), count, value);
    return;
  }
  // Only what was written since the storage was last all 0 needs clearing.
  std::fill_n(words_, std::min(dirty_, count), 0);
  if (dirty_ <= count) dirty_ = 0;
}

bool operator==(const pixel_buffer& a, std::span<const uint32_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
