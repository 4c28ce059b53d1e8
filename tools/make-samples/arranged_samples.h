#pragma once
// The samples of the formats that have an arrangement: each written by a writer of its own,
// from the samples' scene where the format can show it.
#include <cstdint>

#include "sample_formats.h"

// Writes the sample of a format with an arrangement into work.file; its size in bytes.
uint32_t make_arranged_sample(const sample_format& sample, sample_workspace& work);
