#include "render/picture_chain.h"

#include "render/pixel_decoding.h"
#include "surface/canvas.h"

void render_picture(const format_entry& format, picture_context& context) {
  if (!context.surfaces_blank) {
    fill_surface(context.work_surface_a, 0);
    fill_surface(context.work_surface_b, 0);
  }
  context.two_surface_picture = format.two_surface_picture();
  run_decoding(format.decode, context);
}
