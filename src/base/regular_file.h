#pragma once
// Reading the files the program is given: only regular files are read, and opening one never
// blocks (a FIFO or a device in a file's place would otherwise hang the program).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/result.h"

// A descriptor that closes itself.
class file_descriptor {
 public:
  explicit file_descriptor(int fd = -1) : fd_(fd) {}
  ~file_descriptor();
  file_descriptor(file_descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  file_descriptor& operator=(file_descriptor&& other) noexcept;
  file_descriptor(const file_descriptor&) = delete;
  file_descriptor& operator=(const file_descriptor&) = delete;

  int get() const { return fd_; }

 private:
  int fd_;
};

// Opens path for reading when it is a regular file (links followed); fails with the system's
// reason, or "is a directory" / "is not a regular file".
result<file_descriptor> open_regular_file(const std::string& path);

// Reads from fd until buffer is full or the file ends; the number of bytes read.
result<size_t> read_up_to(const file_descriptor& fd, std::span<uint8_t> buffer);

// Reads the first bytes of the regular file at path into buffer, as many as fit.
result<size_t> read_file_start(const std::string& path, std::span<uint8_t> buffer);

// Which file a path names, links followed: two paths name the same file when these agree.
struct file_identity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const file_identity&) const = default;
};

// The identity of the file at path; nothing when there is none.
std::optional<file_identity> identity_of(const std::string& path);
