#pragma once
// Building the picture a present shows: display_surface with the overlays on top.
#include <cstdint>
#include <span>

#include "display/display.h"

// Writes base, then every overlay in order (clipped to the frame), into out: a frame of
// base's size whose rows are pitch pixels apart.
void compose_frame(const surface& base, std::span<const overlay> overlays, uint32_t* out,
                   int pitch);
