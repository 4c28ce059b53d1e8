#include "sample_encoders.h"

#include "encoder_steps.h"

void encode_gun_paint(const picture_model& model, file_buffer& file) {
  store_eight_screen_rams(model.screen_a, file, 2);
  store_range(model.bitmap_a, 0, file, 8194, 16208);
  store_range(model.line_background, 0, file, 16209, 16385);
  store_range(model.color_ram, 0, file, 16386, 17409);
  store_screen_ram(model.screen_b, 0, file, 17410, 18409);
  store_range(model.line_background, 177, file, 18410, 18433);
  store_screen_rams_in_turn(model.screen_b, 1, 7, file, 18434);
  store_range(model.bitmap_b, 0, file, 25602, 33601);
}

void encode_pc64_fli_interlace(const picture_model& model, file_buffer& file) {
  store_range(model.line_background, 0, file, 2, 257);
  store_range(model.color_ram, 0, file, 258, 1281);
  store_eight_screen_rams(model.screen_a, file, 1282);
  store_range(model.bitmap_a, 0, file, 9474, 17665);
  store_eight_screen_rams(model.screen_b, file, 17666);
  store_range(model.bitmap_b, 0, file, 25858, 34049);
}

void encode_pc64_fli(const picture_model& model, file_buffer& file) {
  store_range(model.line_background, 0, file, 2, 257);
  store_range(model.color_ram, 0, file, 258, 1281);
  store_eight_screen_rams(model.screen_a, file, 1282);
  store_range(model.bitmap_a, 0, file, 9474, 17665);
}

// Offsets 2..7 precede the first line's background; they repeat it.
void encode_saga_fli(const picture_model& model, file_buffer& file) {
  for (uint16_t offset = 2; offset < 8; ++offset) file[offset] = model.line_background[0];
  store_range(model.line_background, 0, file, 8, 257);
  store_range(model.color_ram, 0, file, 258, 1281);
  store_eight_screen_rams(model.screen_a, file, 1282);
  store_range(model.bitmap_a, 0, file, 9474, 17664);
}

void encode_3c00_fli(const picture_model& model, file_buffer& file) {
  store_range(model.color_ram, 0, file, 2, 1025);
  store_eight_screen_rams(model.screen_a, file, 1026);
  store_range(model.bitmap_a, 0, file, 9218, 17408);
}

void encode_draz_lace(const picture_model& model, file_buffer& file) {
  store_range(model.color_ram, 0, file, 2, 1025);
  store_screen_ram(model.screen_a, 0, file, 1026, 2049);
  store_range(model.bitmap_a, 0, file, 2050, 10049);
  file[10050] = model.line_background[0];
  store_range(model.bitmap_b, 0, file, 10242, 18241);
}

void encode_multicolor_interlace(const picture_model& model, file_buffer& file) {
  store_screen_ram(model.screen_a, 0, file, 2, 1025);
  store_range(model.bitmap_a, 0, file, 1026, 9217);
  store_range(model.bitmap_b, 0, file, 9218, 17409);
  store_screen_ram(model.screen_b, 0, file, 17410, 18433);
  store_range(model.color_ram, 0, file, 18434, 19433);
}

void encode_topaz_afli(const picture_model& model, file_buffer& file) {
  store_eight_screen_rams(model.screen_a, file, 2);
  store_range(model.bitmap_a, 0, file, 8194, 16384);
}

void encode_topaz_hires(const picture_model& model, file_buffer& file) {
  store_screen_ram(model.screen_a, 0, file, 2, 1025);
  store_range(model.bitmap_a, 0, file, 1026, 9216);
}

void encode_mono_mci(const picture_model& model, file_buffer& file) {
  store_range(model.bitmap_a, 0, file, 2, 8001);
  store_range(model.bitmap_b, 0, file, 8002, 16001);
}

void encode_bpaddles(const picture_model& model, file_buffer& file) {
  store_range(model.bitmap_a, 0, file, 2, 8193);
  store_screen_ram(model.screen_a, 0, file, 8194, 9217);
  store_range(model.color_ram, 0, file, 9218, 10241);
}

void encode_dolphin_fli(const picture_model& model, file_buffer& file) {
  store_range(model.color_ram, 0, file, 2, 1025);
  store_eight_screen_rams(model.screen_a, file, 1026);
  store_range(model.bitmap_a, 0, file, 9218, 17217);
}

void encode_fun_paint(const picture_model& model, file_buffer& file) {
  store_eight_screen_rams(model.screen_a, file, 18);
  store_range(model.bitmap_a, 0, file, 8210, 16209);
  store_range(model.line_background, 0, file, 16218, 16317);
  store_range(model.color_ram, 0, file, 16402, 17401);
  store_eight_screen_rams(model.screen_b, file, 17402);
  store_range(model.bitmap_b, 0, file, 25594, 33593);
  store_range(model.line_background, 100, file, 33594, 33693);
}

void encode_art_studio(const picture_model& model, file_buffer& file) {
  store_range(model.bitmap_a, 0, file, 2, 8001);
  store_screen_ram(model.screen_a, 0, file, 8002, 9001);
  file[9003] = model.line_background[0];
  store_range(model.color_ram, 0, file, 9018, 10017);
}

void encode_draz_paint(const picture_model& model, file_buffer& file) {
  store_range(model.color_ram, 0, file, 2, 1025);
  store_screen_ram(model.screen_a, 0, file, 1026, 2049);
  store_range(model.bitmap_a, 0, file, 2050, 10049);
  file[10050] = model.line_background[0];
}
