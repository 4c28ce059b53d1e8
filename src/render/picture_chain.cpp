#include "render/picture_chain.h"

#include "render/pixel_decoding.h"
#include "render/work_surfaces.h"

void render_picture(const format_entry& format, picture_context& context) {
  fit_work_surface(context.work_surface_a, context.model.canvas);
  fit_work_surface(context.work_surface_b, context.model.canvas);
  context.caption.note = context.model.drawn_with_own_glyphs ? own_glyphs_note
                         : context.model.cropped             ? cropped_note
                                                             : "";
  context.two_surface_picture = format.two_surface_picture();
  run_decoding(format.decode, context);
}
