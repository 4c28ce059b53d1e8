#pragma once
// Scratch storage of the calling thread, made (all zero) the first time that thread asks for it.
// A large thread_local object would be cleared whenever any thread starts, the program's first
// included, whether or not it is ever used; this costs only the threads that use it. Each Tag
// names storage of its own, so two users of one type never share it.
#include <memory>

template <class Tag, class T>
T& thread_scratch() {
  thread_local std::unique_ptr<T> scratch;
  if (!scratch) scratch = std::make_unique<T>();
  return *scratch;
}
