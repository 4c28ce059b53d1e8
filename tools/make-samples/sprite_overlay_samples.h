#pragma once
// The samples of hires bitmaps with hires sprites over them.
#include <cstdint>

#include "sample_formats.h"

uint32_t esh_sample(const sample_format& sample, sample_workspace& work);
uint32_t ish_sample(const sample_format& sample, sample_workspace& work);
uint32_t sh1_sample(const sample_format& sample, sample_workspace& work);
uint32_t sh2_sample(const sample_format& sample, sample_workspace& work);
uint32_t she_sample(const sample_format& sample, sample_workspace& work);
uint32_t shs_sample(const sample_format& sample, sample_workspace& work);
uint32_t shi_sample(const sample_format& sample, sample_workspace& work);
uint32_t shf_sample(const sample_format& sample, sample_workspace& work);
uint32_t shx_sample(const sample_format& sample, sample_workspace& work);
uint32_t sif_sample(const sample_format& sample, sample_workspace& work);
