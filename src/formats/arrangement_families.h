#pragma once
// The arrangements of each family of formats, as arrange_picture dispatches to them.
#include <span>

#include "base/file_buffer.h"
#include "base/result.h"
#include "formats/picture_model.h"

// Pictures larger than one screen, or of their own size (arrange_pages.cpp).
result<> arrange_bfli(std::span<const uint8_t> file, picture_model& model);
result<> arrange_printfox(std::span<const uint8_t> file, file_buffer& scratch,
                          picture_model& model);
result<> arrange_star_painter(std::span<const uint8_t> file, picture_model& model);
result<> arrange_mwi(std::span<const uint8_t> file, picture_model& model);
result<> arrange_shp(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);

// Character screens, fonts and logos (arrange_characters.cpp). The PETSCII screens are drawn
// with the model's character ROM.
result<> arrange_pet(std::span<const uint8_t> file, picture_model& model);
result<> arrange_pdr(std::span<const uint8_t> file, picture_model& model);
result<> arrange_fluff(std::span<const uint8_t> file, picture_model& model);
result<> arrange_64c(std::span<const uint8_t> file, picture_model& model);
result<> arrange_seuck_font(std::span<const uint8_t> file, picture_model& model);
result<> arrange_zs_font(std::span<const uint8_t> file, picture_model& model);
result<> arrange_logo_painter(std::span<const uint8_t> file, picture_model& model);
result<> arrange_interlace_logo(std::span<const uint8_t> file, picture_model& model);
result<> arrange_multi_lace(std::span<const uint8_t> file, picture_model& model);

// Sprite sheets, sixteen sprites a row (arrange_sheets.cpp).
result<> arrange_spritepad(std::span<const uint8_t> file, picture_model& model);
result<> arrange_seuck_sprites(std::span<const uint8_t> file, picture_model& model);

// A CharPad project's map, at most the largest canvas of it (arrange_charpad.cpp).
result<> arrange_charpad(std::span<const uint8_t> file, picture_model& model);

// Hires bitmaps with hires sprites over them (arrange_hires_sprites.cpp).
result<> arrange_esh(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_ish(std::span<const uint8_t> file, picture_model& model);
result<> arrange_sh1(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_sh2(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_she(std::span<const uint8_t> file, picture_model& model);
result<> arrange_shs(std::span<const uint8_t> file, picture_model& model);
result<> arrange_shi(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_shf(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_sif(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_shx(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
// FLI pictures with sprite layers (arrange_fli_sprites.cpp).
result<> arrange_fpr(std::span<const uint8_t> file, picture_model& model);
result<> arrange_muf(std::span<const uint8_t> file, picture_model& model);
result<> arrange_mui(std::span<const uint8_t> file, picture_model& model);
result<> arrange_mup(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_nuf(std::span<const uint8_t> file, picture_model& model);
result<> arrange_nup(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_uif(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
result<> arrange_xfl(std::span<const uint8_t> file, file_buffer& scratch, picture_model& model);
