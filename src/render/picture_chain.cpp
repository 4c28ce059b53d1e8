#include "render/picture_chain.h"

#include "display/canvas.h"
#include "render/pixel_decoding.h"

void render_picture(const format_entry& format, const file_buffer& file, picture_context& context) {
  fill_surface(context.work_surface_a, 0);
  fill_surface(context.work_surface_b, 0);
  if (!format.shown()) return;
  if (format.two_surface_picture) context.two_surface_picture = *format.two_surface_picture;
  load_picture(format, file, context.model);
  run_decoding(format.decode, context);
}
