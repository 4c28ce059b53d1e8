#include "base/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

file_descriptor::~file_descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

file_descriptor& file_descriptor::operator=(file_descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

result<file_descriptor> open_regular_file(const std::string& path) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; a regular file reads the same.
  file_descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return failure{std::strerror(errno)};
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return failure{std::strerror(errno)};
  if (S_ISDIR(info.st_mode)) return failure{"is a directory"};
  if (!S_ISREG(info.st_mode)) return failure{"is not a regular file"};
  return fd;
}

result<size_t> read_up_to(const file_descriptor& fd, std::span<uint8_t> buffer) {
  size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t count = ::read(fd.get(), buffer.data() + total, buffer.size() - total);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return failure{std::strerror(errno)};
    if (count == 0) break;
    total += static_cast<size_t>(count);
  }
  return total;
}

std::optional<file_identity> identity_of(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return file_identity{info.st_dev, info.st_ino};
}

result<size_t> read_file_start(const std::string& path, std::span<uint8_t> buffer) {
  const result<file_descriptor> fd = open_regular_file(path);
  if (!fd) return failure{fd.error()};
  return read_up_to(*fd, buffer);
}
