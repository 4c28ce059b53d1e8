// Loaders of the one-frame formats, multicolour and hires.
#include "formats/loader_steps.h"
#include "formats/picture_loaders.h"

void load_pc64_fli(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 257, model.line_background, 0);
  copy_range(file, 258, 1281, model.color_ram, 0);
  copy_eight_screen_rams(file, 1282, model.screen_a);
  copy_range(file, 9474, 17665, model.bitmap_a, 0);
}

// The first six bytes of the background table are skipped: line 0 takes offset 8.
void load_saga_fli(const file_buffer& file, picture_model& model) {
  copy_range(file, 8, 257, model.line_background, 0);
  copy_range(file, 258, 1281, model.color_ram, 0);
  copy_eight_screen_rams(file, 1282, model.screen_a);
  copy_range(file, 9474, 17664, model.bitmap_a, 0);
}

void load_3c00_fli(const file_buffer& file, picture_model& model) {
  model.line_background.fill(0);
  copy_range(file, 2, 1025, model.color_ram, 0);
  copy_eight_screen_rams(file, 1026, model.screen_a);
  copy_range(file, 9218, 17408, model.bitmap_a, 0);
}

void load_topaz_afli(const file_buffer& file, picture_model& model) {
  copy_eight_screen_rams(file, 2, model.screen_a);
  copy_range(file, 8194, 16384, model.bitmap_a, 0);
}

void load_topaz_hires(const file_buffer& file, picture_model& model) {
  copy_to_screen_ram(file, 2, 1025, model.screen_a, 0);
  copy_range(file, 1026, 9216, model.bitmap_a, 0);
  spread_screen_ram_0(model.screen_a);
}

void load_bpaddles(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 8193, model.bitmap_a, 0);
  copy_to_screen_ram(file, 8194, 9217, model.screen_a, 0);
  spread_screen_ram_0(model.screen_a);
  copy_range(file, 9218, 10241, model.color_ram, 0);
  model.line_background.fill(0);
}

void load_dolphin_fli(const file_buffer& file, picture_model& model) {
  model.line_background.fill(0);
  copy_range(file, 2, 1025, model.color_ram, 0);
  copy_eight_screen_rams(file, 1026, model.screen_a);
  copy_range(file, 9218, 17217, model.bitmap_a, 0);
}

// Offset 9003 holds the background colour; 9002 and 9004..9017 are not used.
void load_art_studio(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 8001, model.bitmap_a, 0);
  copy_to_screen_ram(file, 8002, 9001, model.screen_a, 0);
  spread_screen_ram_0(model.screen_a);
  model.line_background.fill(file[9003]);
  copy_range(file, 9018, 10017, model.color_ram, 0);
}

void load_draz_paint(const file_buffer& file, picture_model& model) {
  copy_range(file, 2, 1025, model.color_ram, 0);
  copy_to_screen_ram(file, 1026, 2049, model.screen_a, 0);
  spread_screen_ram_0(model.screen_a);
  copy_range(file, 2050, 10049, model.bitmap_a, 0);
  model.line_background.fill(file[10050]);
}
