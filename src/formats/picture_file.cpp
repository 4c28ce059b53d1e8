#include "formats/picture_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

result<uint32_t> read_picture_file(const std::string& name, file_buffer& file) {
  // Plain descriptors rather than a stdio stream, which would allocate for every picture.
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return failure{std::strerror(errno)};
  uint32_t byte_count = 0;
  int read_error = 0;
  while (byte_count < file_buffer_size) {
    const ssize_t count = ::read(fd, file.bytes.data() + byte_count, file_buffer_size - byte_count);
    if (count < 0 && errno == EINTR) continue;
    // A directory opens but fails on the first read.
    if (count < 0) read_error = errno;
    if (count <= 0) break;
    byte_count += static_cast<uint32_t>(count);
  }
  ::close(fd);
  if (read_error != 0) return failure{std::strerror(read_error)};
  return byte_count;
}
