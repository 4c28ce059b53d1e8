#pragma once
// What drawing one picture works on: the model, the buffers and the two work surfaces.
#include <optional>

#include "base/file_buffer.h"
#include "formats/picture_model.h"
#include "render/picture_context.h"
#include "render/work_surfaces.h"
#include "surface/surface.h"

// Large: give each thread one, made once and reused. Every byte of a fresh one is zero, so that
// one in static storage is neither written nor mapped before a picture touches it: its model's
// canvas and its work surfaces are set when the first picture is drawn.
struct picture_workspace {
  picture_model model{.canvas = {0, 0}};
  chunky_buffers chunky;
  file_buffer file;
  file_buffer unpacked;
  std::optional<surface> work_surface_a;
  std::optional<surface> work_surface_b;
  bool used = false;  // a picture was read or drawn here: its traces must be cleared first
  // Set: the model's character ROM is the one found from this data folder
  // (found_character_rom), looked for when a text screen is drawn. Null: the model's ROM as set.
  const char* rom_data_dir = nullptr;
};

// Every picture starts as the program starts: zero model and buffers, fresh canvases. A
// workspace reused for the next picture must not let the last one show through; a fresh one is
// all zero. The model's character ROM, chosen for the workspace, stays.
void clear_picture_workspace(picture_workspace& work);
