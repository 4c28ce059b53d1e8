#include "containers/byte_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

result<size_t> read_at(const byte_source& source, uint64_t offset, std::span<uint8_t> out) {
  if (offset >= source.size) return size_t{0};
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(out.size(), source.size - offset));
  if (source.fd < 0) {
    std::copy_n(source.bytes.begin() + static_cast<ptrdiff_t>(offset), wanted, out.begin());
    return wanted;
  }
  size_t total = 0;
  while (total < wanted) {
    const ssize_t count =
        ::pread(source.fd, out.data() + total, wanted - total, static_cast<off_t>(offset + total));
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return failure{"cannot be read", std::strerror(errno)};
    if (count == 0) break;
    total += static_cast<size_t>(count);
  }
  return total;
}
