#include "formats/picture_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

picture_file_read read_picture_file(const std::string& name, file_buffer& file) {
  picture_file_read result;
  // Plain descriptors rather than a stdio stream, which would allocate for every picture.
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return result;
  result.ok = true;
  while (result.byte_count < file_buffer_size) {
    const ssize_t count =
        ::read(fd, file.bytes.data() + result.byte_count, file_buffer_size - result.byte_count);
    if (count < 0 && errno == EINTR) continue;
    // A directory opens but fails on the first read.
    if (count < 0) result.ok = false;
    if (count <= 0) break;
    result.byte_count += static_cast<uint32_t>(count);
  }
  ::close(fd);
  return result;
}
