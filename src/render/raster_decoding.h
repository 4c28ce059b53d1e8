#pragma once
// Pictures held as a raster (formats/raster.h): each frame's lines into colour indexes, one per
// hires pixel of the canvas, rendered at the canvas's own size.
#include <cstdint>

#include "render/picture_context.h"

// How the frames of a raster picture meet on the screen.
enum class raster_frames : uint8_t {
  one,
  // Two frames in turn, pixel over pixel; in STATIC mode every pixel is the mean of both
  // frames' colours, channel by channel.
  hires_lace,
  // Two multicolour frames in turn, frame B one hires pixel further right; in STATIC mode the
  // left half of every multicolour pixel shows frame A and the right half frame B.
  multicolor_lace,
};

// The colour index of every pixel of the frame's line y, canvas.width of them, into line: the
// graphics' colours, then the sprites over them, or under their foreground bits.
void decode_raster_line(const raster_frame& frame, canvas_size canvas, int y, uint8_t* line);

// Decodes every frame of the model's raster into the chunky buffers and renders them into the
// work surfaces. In STATIC mode two frames are merged into chunky_a and
// work_surface_a, and two_surface_picture is cleared.
void decode_raster(picture_context& context, raster_frames frames);
