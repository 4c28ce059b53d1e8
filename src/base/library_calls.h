#pragma once
// Calls taken from a library opened when first needed rather than linked, so that a run that
// never needs it does not pay for loading it at start.
#include <dlfcn.h>

// Sets out to the library's function of that name; false when the library has none.
template <typename call>
bool find_call(void* library, const char* name, call& out) {
  out = reinterpret_cast<call>(::dlsym(library, name));
  return out != nullptr;
}
