#include "formats/safe_file_write.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

std::string directory_of(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool write_all(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<size_t>(written));
  }
  return true;
}

// Permissions a newly created file gets (mkstemp makes it private).
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

result<> write_file_safely(const std::string& path,
                           std::span<const std::span<const uint8_t>> parts) {
  const failure cannot_create{"Cannot create file " + path};
  if (path.empty() || path.back() == '/') return cannot_create;
  std::string temp = directory_of(path) + "/.velora2003-XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return cannot_create;
  temp = name.data();

  bool written = ::fchmod(fd, new_file_mode()) == 0;
  for (const std::span<const uint8_t> part : parts) written = written && write_all(fd, part);
  written = written && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp.c_str());
    return failure{"Stream write error"};
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return cannot_create;
  }
  return {};
}
