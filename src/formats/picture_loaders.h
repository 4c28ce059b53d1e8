#pragma once
// One loader per showable format: each copies the file's bytes into the picture model in
// the layout the decoders read, fills with fixed values what the format does not carry and
// leaves every other byte of the model as the previous picture left it. Loaders cannot fail:
// they read fixed offsets below 34050 whatever the buffer holds.
#include "formats/picture_model.h"

// Format 1: two frames, eight screen RAMs each, 201 line backgrounds in two pieces.
void load_gun_paint(const file_buffer& file, picture_model& model);
// Format 2: two FLI frames with 256 line backgrounds and a shared colour RAM.
void load_pc64_fli_interlace(const file_buffer& file, picture_model& model);
// Format 3: one FLI frame with 256 line backgrounds.
void load_pc64_fli(const file_buffer& file, picture_model& model);
// Format 4: one FLI frame; line 0's background is the file byte at offset 8.
void load_saga_fli(const file_buffer& file, picture_model& model);
// Format 5: one FLI frame on a black background.
void load_3c00_fli(const file_buffer& file, picture_model& model);
// Format 6: two bitmaps sharing one screen RAM and one background colour.
void load_draz_lace(const file_buffer& file, picture_model& model);
// Format 7: two bitmaps with one screen RAM each on a black background.
void load_multicolor_interlace(const file_buffer& file, picture_model& model);
// Format 8: one hires frame with eight screen RAMs.
void load_topaz_afli(const file_buffer& file, picture_model& model);
// Format 9: one hires frame with one screen RAM.
void load_topaz_hires(const file_buffer& file, picture_model& model);
// Format 10: two bitmaps in the fixed colours black, grey 2, grey 1 and light grey.
void load_mono_mci(const file_buffer& file, picture_model& model);
// Format 11: one multicolour frame on a black background.
void load_bpaddles(const file_buffer& file, picture_model& model);
// Format 12: one FLI frame on a black background.
void load_dolphin_fli(const file_buffer& file, picture_model& model);
// Format 13: two FLI frames with 200 line backgrounds in two halves.
void load_fun_paint(const file_buffer& file, picture_model& model);
// Format 14: one multicolour frame with one background colour.
void load_art_studio(const file_buffer& file, picture_model& model);
// Format 16: one multicolour frame with one background colour.
void load_draz_paint(const file_buffer& file, picture_model& model);
