#pragma once
// The windowed screen is a module of its own (velora2003-sdl.so), loaded only when the viewer
// starts: the command line never loads SDL and the libraries it brings.
#include <memory>

#include "base/result.h"
#include "display/display.h"

struct sdl_display_options {
  bool windowed = false;       // an 800x600 window (times scale) instead of full screen
  int scale = 1;               // window size factor
  bool integer_scale = false;  // whole multiples only, nearest-neighbour
};

// The SDL screen, not yet initialised; a failure when the environment names no display or
// the module cannot be loaded.
result<std::unique_ptr<display>> open_sdl_screen(const sdl_display_options& options);

// The module's one entry, looked up by this name.
extern "C" display* velora2003_open_sdl_screen(const sdl_display_options* options);
