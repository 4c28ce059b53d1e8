#pragma once
// Saving a painted picture as an RGBA PNG.
#include <string>

#include "rgba_image.h"

// Writes the picture to a temporary file beside the path and renames it over the path when
// complete; false (nothing left behind) on failure.
bool write_png(const std::string& path, const rgba_image& img);
