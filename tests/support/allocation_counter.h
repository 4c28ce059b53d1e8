#pragma once
// Counts every heap allocation of the process: this test binary replaces the global operator
// new and malloc, calloc and realloc with counting forms.
#include <cstdint>

// Allocations made since the program started.
uint64_t allocation_count();
