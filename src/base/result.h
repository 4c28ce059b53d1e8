#pragma once
// The result of an operation that can fail: its value, or the one-line text that says why not.
// Every operation of the program that can fail returns one; the viewer shows the text in a box,
// the command line prints it.
#include <optional>
#include <string>
#include <utility>
#include <variant>

// What went wrong, in the program's words, and where the system gave one, its own reason
// ("Permission denied"), which the command line adds and a message box leaves out.
struct failure {
  std::string text;
  std::string reason = {};
};

// The text with the system's reason after it, as the command line prints a failure.
inline std::string describe(const failure& why) {
  return why.reason.empty() ? why.text : why.text + ": " + why.reason;
}

template <typename T = void>
class [[nodiscard]] result {
 public:
  result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  result(failure why) : state_(std::in_place_index<1>, std::move(why)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  // The value; only when ok().
  T& operator*() { return std::get<0>(state_); }
  const T& operator*() const { return std::get<0>(state_); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }

  // Why it failed; only when not ok().
  const std::string& error() const { return std::get<1>(state_).text; }
  const failure& why() const { return std::get<1>(state_); }

 private:
  std::variant<T, failure> state_;
};

template <>
class [[nodiscard]] result<void> {
 public:
  result() = default;
  result(failure why) : failure_(std::move(why)) {}

  bool ok() const { return !failure_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return failure_->text; }
  const failure& why() const { return *failure_; }

 private:
  std::optional<failure> failure_;
};
