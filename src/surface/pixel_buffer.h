#pragma once
// The pixels of a surface: 32-bit words in storage made once, all 0 when made. The storage
// comes from the system as pages it has not yet handed out, so what is never drawn is never
// cleared nor even mapped: a fresh surface costs nothing until it is drawn on. The buffer
// knows how far it may have been written since it was last all 0, so clearing storage that
// nothing has written since costs nothing either.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class pixel_buffer {
 public:
  using value_type = uint32_t;
  using iterator = uint32_t*;
  using const_iterator = const uint32_t*;

  pixel_buffer() = default;
  explicit pixel_buffer(size_t count);
  pixel_buffer(const pixel_buffer& other);
  pixel_buffer& operator=(const pixel_buffer& other);
  pixel_buffer(pixel_buffer&& other) noexcept;
  pixel_buffer& operator=(pixel_buffer&& other) noexcept;
  ~pixel_buffer();

  // Re-forms the buffer to count words, each the value, in the storage it has while that
  // is large enough; the storage is never given back.
  void assign(size_t count, uint32_t value);

  size_t size() const { return count_; }
  size_t capacity() const { return capacity_; }
  bool empty() const { return count_ == 0; }

  // Whatever reaches the words to change them counts as writing them.
  uint32_t* data() { return written(); }
  uint32_t& operator[](size_t i) { return written()[i]; }
  iterator begin() { return written(); }
  iterator end() { return written() + count_; }

  const uint32_t* data() const { return words_; }
  const uint32_t& operator[](size_t i) const { return words_[i]; }
  const_iterator begin() const { return words_; }
  const_iterator end() const { return words_ + count_; }

  operator std::span<const uint32_t>() const { return {words_, count_}; }
  // A copy of the words, to keep beside the surface.
  operator std::vector<uint32_t>() const { return {begin(), end()}; }
  friend bool operator==(const pixel_buffer& a, std::span<const uint32_t> b);
  friend bool operator==(const pixel_buffer& a, const pixel_buffer& b) {
    return a == std::span<const uint32_t>(b);
  }

 private:
  uint32_t* written() {
    dirty_ = std::max(dirty_, count_);
    return words_;
  }

  uint32_t* words_ = nullptr;
  size_t count_ = 0;
  size_t capacity_ = 0;
  size_t dirty_ = 0;  // words from here on are all 0
};
