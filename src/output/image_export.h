#pragma once
// Saving a surface as an image file, BMP or PNG, chosen by the file's name.
#include <optional>
#include <string>
#include <string_view>

#include "output/export_bitmap.h"
#include "output/safe_file_write.h"
#include "surface/surface.h"

enum class image_kind : uint8_t { bmp, png };

// The kind a name asks for by its extension (".bmp" or ".png", any case); nothing for others.
std::optional<image_kind> image_kind_of(std::string_view name);

// Writes the surface as a PNG of the same pixels, or as the BMP export through bitmap; the
// name is used exactly as given.
result<> save_surface(const std::string& file_name, const surface& image, image_kind kind,
                      export_bitmap& bitmap, const write_options& options = {});

// As above, the BMP written a band of rows at a time rather than through a whole bitmap.
result<> save_surface(const std::string& file_name, const surface& image, image_kind kind,
                      const write_options& options = {});
