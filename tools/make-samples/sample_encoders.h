#pragma once
// One encoder per showable format, each the inverse of that format's loader: it writes the
// model regions the loader reads back into the file offsets the loader reads them from.
// Offsets no loader reads are left as they are.
#include "formats/picture_model.h"

void encode_gun_paint(const picture_model& model, file_buffer& file);
void encode_pc64_fli_interlace(const picture_model& model, file_buffer& file);
void encode_pc64_fli(const picture_model& model, file_buffer& file);
void encode_saga_fli(const picture_model& model, file_buffer& file);
void encode_3c00_fli(const picture_model& model, file_buffer& file);
void encode_draz_lace(const picture_model& model, file_buffer& file);
void encode_multicolor_interlace(const picture_model& model, file_buffer& file);
void encode_topaz_afli(const picture_model& model, file_buffer& file);
void encode_topaz_hires(const picture_model& model, file_buffer& file);
void encode_mono_mci(const picture_model& model, file_buffer& file);
void encode_bpaddles(const picture_model& model, file_buffer& file);
void encode_dolphin_fli(const picture_model& model, file_buffer& file);
void encode_fun_paint(const picture_model& model, file_buffer& file);
void encode_art_studio(const picture_model& model, file_buffer& file);
void encode_draz_paint(const picture_model& model, file_buffer& file);
