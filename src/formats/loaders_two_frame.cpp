// Loaders of the two-frame (interlace) formats.
#include <algorithm>

#include "formats/loader_steps.h"
#include "formats/picture_loaders.h"

void load_gun_paint(const file_buffer& file, picture_model& model) {
  model.line_background.fill(0);
  copy_eight_screen_rams(file, 2, model.screen_a);
  copy_range(file, 8194, 16208, model.bitmap_a, 0);
  copy_range(file, 16209, 16385, model.line_background, 0);
  copy_range(file, 16386, 17409, model.color_ram, 0);
  copy_to_screen_ram(file, 17410, 18409, model.screen_b, 0);
  copy_range(file, 18410, 18433, model.line_background, 177);
  copy_screen_rams_in_turn(file, 18434, model.screen_b, 1, 7);
  copy_range(file, 25602, 33601, model.bitmap_b, 0);
}

void load_pc64_fli_interlace(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 257, model.line_background, 0);
  copy_range(file, 258, 1281, model.color_ram, 0);
  copy_eight_screen_rams(file, 1282, model.screen_a);
  copy_range(file, 9474, 17665, model.bitmap_a, 0);
  copy_eight_screen_rams(file, 17666, model.screen_b);
  copy_range(file, 25858, 34049, model.bitmap_b, 0);
}

void load_draz_lace(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 1025, model.color_ram, 0);
  copy_to_screen_ram(file, 1026, 2049, model.screen_a, 0);
  spread_screen_ram_0(model.screen_a);
  model.screen_b = model.screen_a;
  copy_range(file, 2050, 10049, model.bitmap_a, 0);
  model.line_background.fill(file[10050]);
  copy_range(file, 10242, 18241, model.bitmap_b, 0);
}

void load_multicolor_interlace(const file_buffer& file, picture_model& model) {
  copy_to_screen_ram(file, 2, 1025, model.screen_a, 0);
  copy_range(file, 1026, 9217, model.bitmap_a, 0);
  copy_range(file, 9218, 17409, model.bitmap_b, 0);
  copy_to_screen_ram(file, 17410, 18433, model.screen_b, 0);
  copy_range(file, 18434, 19433, model.color_ram, 0);
  spread_screen_ram_0(model.screen_a);
  spread_screen_ram_0(model.screen_b);
  model.line_background.fill(0);
}

// The colours are fixed: black background, grey 2 and grey 1 from the screen byte 0xCB,
// light grey from colour RAM.
void load_mono_mci(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 8001, model.bitmap_a, 0);
  copy_range(file, 8002, 16001, model.bitmap_b, 0);
  model.line_background.fill(0);
  model.screen_a.fill(0xCB);
  model.screen_b.fill(0xCB);
  std::fill_n(model.color_ram.begin(), 1023, 15);
}

// The data begin after a 16-byte header at offsets 2..17.
void load_fun_paint(const file_buffer& file, picture_model& model) {
  copy_eight_screen_rams(file, 18, model.screen_a);
  copy_range(file, 8210, 16209, model.bitmap_a, 0);
  copy_range(file, 16218, 16317, model.line_background, 0);
  copy_range(file, 16402, 17401, model.color_ram, 0);
  copy_eight_screen_rams(file, 17402, model.screen_b);
  copy_range(file, 25594, 33593, model.bitmap_b, 0);
  copy_range(file, 33594, 33693, model.line_background, 100);
}
