#include "base/ready_room.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14; older kernels refuse it and fault as they go
#endif

void ready_pages(void* start, size_t bytes) {
  if (bytes == 0) return;
  static const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const uintptr_t into_page = reinterpret_cast<uintptr_t>(start) & (page - 1);
  ::madvise(static_cast<uint8_t*>(start) - into_page, bytes + into_page, MADV_POPULATE_WRITE);
}

ready_room::~ready_room() {
  if (start_) ::munmap(start_, size_);
}

uint8_t* ready_room::room(size_t bytes) {
  if (bytes <= size_) return start_;
  if (start_) ::munmap(start_, size_);
  start_ = nullptr;
  size_ = 0;
  void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  start_ = static_cast<uint8_t*>(mapped);
  size_ = bytes;
  return start_;
}
