#pragma once
// Text of at most N characters held in place. A table of them holds no pointers, so it lies in
// read-only memory just as the program file holds it: the loader has nothing to relocate and no
// page of it is copied when the program starts.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fixed_text_detail {
// Not constexpr: a text known when the program is built that is longer than its room does not
// build. Anywhere else it is cut to the room.
inline void longer_than_its_room() {}
}  // namespace fixed_text_detail

template <size_t N>
class fixed_text {
  static_assert(N < 256);

 public:
  constexpr fixed_text() = default;
  constexpr fixed_text(std::string_view text)
      : size_(static_cast<uint8_t>(std::min(text.size(), N))) {
    if (text.size() > N) fixed_text_detail::longer_than_its_room();
    std::copy_n(text.begin(), size_, chars_.begin());
  }
  constexpr fixed_text(const char* text) : fixed_text(std::string_view(text)) {}

  constexpr operator std::string_view() const { return {chars_.data(), size_}; }
  constexpr std::string_view view() const { return *this; }
  constexpr size_t size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }
  constexpr char operator[](size_t k) const { return chars_[k]; }
  friend constexpr bool operator==(const fixed_text& a, const fixed_text& b) {
    return a.view() == b.view();
  }

 private:
  std::array<char, N> chars_{};
  uint8_t size_ = 0;
};

// Written as its text, into any stream that takes a string_view.
template <class Stream, size_t N>
Stream& operator<<(Stream& out, const fixed_text<N>& text) {
  out << text.view();
  return out;
}
