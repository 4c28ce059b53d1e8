#include "shell/picture_export.h"

#include "formats/bmp_file.h"
#include "formats/png_file.h"
#include "shell/render_job.h"

file_write_result export_picture(const std::string& file_name, const surface& work_surface_a,
                                 export_bitmap& bitmap) {
  if (output_kind_of(file_name) == output_kind::png)
    return write_png_file(file_name, work_surface_a);
  bitmap.take_surface(work_surface_a);
  return write_bmp_file(file_name, bitmap);
}
