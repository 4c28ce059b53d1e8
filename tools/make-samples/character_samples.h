#pragma once
// The samples of character screens, fonts and logos.
#include <cstdint>

#include "sample_formats.h"

uint32_t petscii_sample(const sample_format& sample, sample_workspace& work);
uint32_t petdraw_sample(const sample_format& sample, sample_workspace& work);
uint32_t fluff_sample(const sample_format& sample, sample_workspace& work);
uint32_t font_sample(const sample_format& sample, sample_workspace& work);
uint32_t logo_painter_sample(const sample_format& sample, sample_workspace& work);
uint32_t interlace_logo_sample(const sample_format& sample, sample_workspace& work);
uint32_t multi_lace_sample(const sample_format& sample, sample_workspace& work);
uint32_t charpad_sample(const sample_format& sample, sample_workspace& work);
