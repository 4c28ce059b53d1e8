#include "render/picture_chain.h"

#include "render/caption.h"
#include "render/pixel_decoding.h"

void render_picture(const format_entry& format, picture_context& context) {
  draw_picture(format, context);
  if (!context.caption.shown) return;
  const picture_caption& caption = context.caption;
  draw_caption(caption.name, caption.format_name, context.work_surface_a);
  if (format.two_surface_picture())
    draw_caption(caption.name, caption.format_name, context.work_surface_b);
}
