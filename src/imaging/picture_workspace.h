#pragma once
// What drawing one picture works on: the model, the buffers and the two work surfaces.
#include "base/file_buffer.h"
#include "formats/picture_model.h"
#include "render/picture_context.h"
#include "render/work_surfaces.h"
#include "surface/surface.h"

// Large: give each thread one, made once and reused.
struct picture_workspace {
  picture_model model;
  chunky_buffers chunky;
  file_buffer file;
  file_buffer unpacked;
  surface work_surface_a = create_work_surface();
  surface work_surface_b = create_work_surface();
  bool used = false;  // a picture was read or drawn here: its traces must be cleared first
};

// Every picture starts as the program starts: zero model and buffers, fresh canvases. A
// workspace reused for the next picture must not let the last one show through; a fresh one is
// all zero. The model's character ROM, chosen for the workspace, stays.
void clear_picture_workspace(picture_workspace& work);
