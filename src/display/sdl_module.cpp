// The display module's entry: everything else in the module stays hidden.
#include "display/sdl_display.h"

extern "C" __attribute__((visibility("default"))) display* velora2003_open_sdl_screen(
    const sdl_display_options* options) {
  return new sdl_display(*options);
}
