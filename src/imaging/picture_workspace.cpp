#include "imaging/picture_workspace.h"

void clear_picture_workspace(picture_workspace& work) {
  if (!work.used) {
    work.used = true;
    work.model.canvas = canvas_size{};
    work.work_surface_a.emplace(create_work_surface());
    work.work_surface_b.emplace(create_work_surface());
    return;
  }
  // The character ROM is the workspace's setting, not a trace of the last picture.
  const character_rom rom = work.model.rom;
  clear_picture_model(work.model);
  work.model.rom = rom;
  work.chunky.chunky_a.fill(0);
  work.chunky.chunky_b.fill(0);
  work.file.bytes.fill(0);
  work.work_surface_a->canvas = canvas_state{};
  work.work_surface_b->canvas = canvas_state{};
}
