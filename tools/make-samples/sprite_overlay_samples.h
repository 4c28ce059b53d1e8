#pragma once
// The samples of hires bitmaps with hires sprites over them.
#include <cstdint>

#include "sample_formats.h"

uint32_t esh_sample(const sample_format& sample, sample_workspace& work);
uint32_t ish_sample(const sample_format& sample, sample_workspace& work);
