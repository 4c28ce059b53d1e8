#include "sync_counter.h"

#include <dlfcn.h>

#include <atomic>

namespace {

std::atomic<uint64_t> file_syncs{0};
std::atomic<uint64_t> file_system_syncs{0};

// The C library's own function of that name, which the definitions below hide.
template <typename Function>
Function next_definition(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

sync_counts sync_calls() {
  return {file_syncs.load(), file_system_syncs.load()};
}

extern "C" int fsync(int fd) {
  static const auto real = next_definition<int (*)(int)>("fsync");
  ++file_syncs;
  return real(fd);
}

extern "C" int fdatasync(int fd) {
  static const auto real = next_definition<int (*)(int)>("fdatasync");
  ++file_syncs;
  return real(fd);
}

extern "C" int syncfs(int fd) {
  static const auto real = next_definition<int (*)(int)>("syncfs");
  ++file_system_syncs;
  return real(fd);
}
