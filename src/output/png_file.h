#pragma once
// A PNG file of a surface's pixels, for the command line.
#include <string>

#include "output/safe_file_write.h"
#include "surface/surface.h"

// Writes the surface as an 8-bit RGB PNG at path (replacing any file there).
result<> write_png_file(const std::string& path, const surface& image,
                        const write_options& options = {});
