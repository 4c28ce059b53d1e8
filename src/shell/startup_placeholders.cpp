#include "shell/startup_placeholders.h"

#include "display/canvas.h"
#include "display/input.h"
#include "shell/form.h"

namespace {
constexpr uint32_t plain_background_pixel = 0x009B8B8B;
}

void list_directory_placeholder(TForm1&) {}

void load_palette_placeholder(TForm1&) {}

void draw_frame_placeholder(surface& display_surface, const app_state&) {
  fill_surface(display_surface, plain_background_pixel);
}

void draw_scroll_indicator_placeholder(surface&, bool) {}

void handle_input_placeholder(TForm1&, const input_event&) {}
