#pragma once
// Saving the picture on screen under the name the save prompt was given.
#include <string>

#include "display/export_bitmap.h"
#include "display/surface.h"
#include "formats/safe_file_write.h"

// Writes work_surface_a as a PNG of the same pixels when the name ends in ".png" (any case),
// else as the BMP export through bitmap; the name is used exactly as typed.
file_write_result export_picture(const std::string& file_name, const surface& work_surface_a,
                                 export_bitmap& bitmap);
