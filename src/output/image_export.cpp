#include "output/image_export.h"

#include "base/ascii_case.h"
#include "output/bmp_file.h"
#include "output/png_file.h"

std::optional<image_kind> image_kind_of(std::string_view name) {
  const std::string extension = ascii_lower(name.substr(name.size() < 4 ? 0 : name.size() - 4));
  if (extension == ".bmp") return image_kind::bmp;
  if (extension == ".png") return image_kind::png;
  return std::nullopt;
}

result<> save_surface(const std::string& file_name, const surface& image, image_kind kind,
                      export_bitmap& bitmap, const write_options& options) {
  if (kind == image_kind::png) return write_png_file(file_name, image, options);
  bitmap.take_surface(image);
  return write_bmp_file(file_name, bitmap, options);
}

result<> save_surface(const std::string& file_name, const surface& image, image_kind kind,
                      const write_options& options) {
  if (kind == image_kind::png) return write_png_file(file_name, image, options);
  return write_bmp_file(file_name, image, options);
}
