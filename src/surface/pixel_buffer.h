#pragma once
// The pixels of a surface: a fixed number of 32-bit words, all 0 when made. The words come
// from the system as pages it has not yet handed out, so what is never drawn is never
// cleared nor even mapped: a fresh surface costs nothing until it is drawn on.
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

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  uint32_t* data() { return words_; }
  const uint32_t* data() const { return words_; }
  uint32_t& operator[](size_t i) { return words_[i]; }
  const uint32_t& operator[](size_t i) const { return words_[i]; }
  iterator begin() { return words_; }
  iterator end() { return words_ + count_; }
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
  uint32_t* words_ = nullptr;
  size_t count_ = 0;
};
