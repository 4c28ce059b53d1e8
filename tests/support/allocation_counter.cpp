#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<uint64_t> allocations{0};

}  // namespace

uint64_t allocation_count() {
  return allocations.load();
}

extern "C" void* malloc(size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}
extern "C" void* realloc(void* pointer, size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(pointer, size);
}
extern "C" void free(void* pointer) {
  __libc_free(pointer);
}

void* operator new(size_t size) {
  if (void* pointer = malloc(size == 0 ? 1 : size)) return pointer;
  throw std::bad_alloc();
}
void* operator new[](size_t size) {
  return operator new(size);
}
void operator delete(void* pointer) noexcept {
  free(pointer);
}
void operator delete[](void* pointer) noexcept {
  free(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
  free(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
  free(pointer);
}
