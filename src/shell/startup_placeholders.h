#pragma once
// Steps of start-up and of the frame tick whose subsystems are not wired into the form yet.
// Each does the least that keeps the program honest, and is replaced by the real call.
#include "display/surface.h"
#include "shell/app_state.h"

class TForm1;
struct input_event;

// The browser listing of the start directory: nothing is listed yet (no grid rows).
void list_directory_placeholder(TForm1& form);
// The palette: the built-in colours stand; "Velora2003.cfg" is not read yet.
void load_palette_placeholder(TForm1& form);
// The screen furniture: a plain background fill.
void draw_frame_placeholder(surface& display_surface, const app_state& state);
// The list's scroll indicator: nothing to show without grid rows.
void draw_scroll_indicator_placeholder(surface& display_surface, bool grid_visible);
// The keyboard commands: keys, characters, wheel and clicks are not acted on yet.
void handle_input_placeholder(TForm1& form, const input_event& event);
