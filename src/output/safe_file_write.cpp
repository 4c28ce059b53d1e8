#include "output/safe_file_write.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

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

// A new file beside the target under a name no other writer of this process or another takes.
// Made with mode 0666, so that the kernel applies the umask: nothing process-wide is touched,
// as several threads write at once.
int create_temporary(const std::string& directory, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        directory + "/.velora2003-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Moves the written file to its place; without replacing, an existing target makes it fail.
bool move_into_place(const std::string& temp, const std::string& path, bool replace) {
  if (replace) return ::rename(temp.c_str(), path.c_str()) == 0;
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  // File systems without the no-replace flag: a hard link does not replace either.
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(temp.c_str(), path.c_str()) != 0) return false;
  ::unlink(temp.c_str());
  return true;
}

failure system_failure(std::string text) {
  return {std::move(text), std::strerror(errno)};
}

// Writes the source's bytes into fd from its position, flushes them to disk when asked and
// closes it.
result<> write_and_close(int fd, const file_bytes_source& source, bool sync) {
  bool written = source([fd](std::span<const uint8_t> bytes) { return write_all(fd, bytes); });
  written = written && (!sync || ::fsync(fd) == 0);
  const failure write_error = system_failure("Stream write error");
  const bool closed = ::close(fd) == 0;
  if (written && closed) return {};
  return written ? system_failure("Stream write error") : write_error;
}

// The regular file at path opened for writing, or -1 when there is none, it is a link or
// anything but a regular file. Never blocks: a FIFO without a reader fails at once.
int open_existing_regular(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Truncates the open file and writes the source's bytes from its start.
result<> overwrite(int fd, const file_bytes_source& source, bool sync) {
  if (::ftruncate(fd, 0) != 0) {
    const failure truncating = system_failure("Stream write error");
    ::close(fd);
    return truncating;
  }
  return write_and_close(fd, source, sync);
}

}  // namespace

result<> write_file_safely(const std::string& path, std::span<const std::span<const uint8_t>> parts,
                           const write_options& options) {
  return write_file_safely(
      path,
      [parts](const file_bytes_sink& put) {
        for (const std::span<const uint8_t> part : parts)
          if (!put(part)) return false;
        return true;
      },
      options);
}

result<> write_file_safely(const std::string& path, const file_bytes_source& source,
                           const write_options& options) {
  const std::string cannot_create = "Cannot create file " + path;
  if (path.empty() || path.back() == '/') return failure{cannot_create, "no file name"};
  if (options.in_place) {
    if (const int existing = open_existing_regular(path); existing >= 0)
      return overwrite(existing, source, options.sync);
  }
  std::string temp;
  const int fd = create_temporary(directory_of(path), temp);
  if (fd < 0) return system_failure(cannot_create);

  if (result<> written = write_and_close(fd, source, options.sync); !written) {
    ::unlink(temp.c_str());
    return written;
  }
  if (!move_into_place(temp, path, options.replace_existing)) {
    const failure refused = system_failure(cannot_create);
    ::unlink(temp.c_str());
    return refused;
  }
  return {};
}
