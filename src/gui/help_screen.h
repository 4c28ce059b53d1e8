#pragma once
// The keyboard help that takes the browser's place on F1.
#include "surface/surface.h"

// Clears (25, 75)-(603, 522) and lists the keys of the browser and of the picture view.
void draw_help_screen(surface& display_surface);
