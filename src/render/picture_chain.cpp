#include "render/picture_chain.h"

#include "render/caption.h"
#include "render/pixel_decoding.h"
#include "render/work_surfaces.h"

void render_picture(const format_entry& format, picture_context& context) {
  draw_picture(format, context);
  picture_caption& caption = context.caption;
  caption.note = context.model.drawn_with_own_glyphs ? own_glyphs_note
                 : context.model.cropped             ? cropped_note
                                                     : "";
  if (!caption.shown) return;
  const int top = caption_top_for(context.model.canvas);
  draw_caption(caption.name, caption.format_name, context.work_surface_a, top, caption.note);
  if (format.two_surface_picture())
    draw_caption(caption.name, caption.format_name, context.work_surface_b, top, caption.note);
}
