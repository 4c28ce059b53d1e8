#pragma once
// Formats that are more than copies of C64 memory into the screen-sized arrays: each has an
// arrangement, the code that checks its file and draws it into the model's raster (formats/
// raster.h) the way the video chip, timed by the format's own display program, would show it.
#include <cstdint>
#include <span>

#include "base/file_buffer.h"
#include "base/result.h"
#include "formats/picture_model.h"

enum class arrangement : uint8_t {
  none,          // a layout of copy steps
  bfli,          // two FLI screens one under the other, 400 lines
  printfox,      // Printfox and Pagefox pages and clips, packed, black on white
  star_painter,  // a hires bitmap of its own size, black ink on white
  mwi,           // multicolour cells of its own size, cut at a fine offset
  shp,           // a packed hires bitmap of its own size, or a packed Koala picture
  // Character screens, fonts and logos.
  pet,             // PETSCII screens drawn with the character ROM
  pdr,             //
  fluff,           // TRSE's cells of four colours, or a PETSCII screen of its own size
  font_64c,        // fonts shown 32 characters a row
  seuck_font,      //
  zs_font,         //
  logo_painter,    // 50 rows of multicolour characters
  interlace_logo,  // two multicolour bitmaps of 48 lines
  multi_lace,      // two multicolour character sets shown in order
  charpad,         // a CharPad project's map of tiles or characters
  // Sprite sheets.
  spritepad,      // sprites of their own colours, hires or multicolour
  seuck_sprites,  // multicolour sprites in fixed shared colours
  // Hires bitmaps with hires sprites over them.
  esh,  // two frames of 192 x 200, packed or not
  ish,  // two frames of 320 x 200, two sprite layers over the left 96 pixels
  sh1,  // Super Hires: 96 x 168 with two layers, packed or not
  sh2,  // 192 x 168 with one layer, packed or not
  she,  // 96 x 88 with two layers, or 192 x 168 with one
  shs,  // 320 x 200 with two layers in the middle
  shi,  // two frames of 96 x 200 with two layers each, packed or not
  shf,  // an FLI bitmap with two layers, 208 x 167, or packed 96 x 167
  sif,  // two packed frames of 96 x 167
  shx,  // an FLI bitmap with one layer, 144 x 168, packed or not
  // FLI pictures with sprites over the FLI bug or under the bitmap.
  fpr,  // FLI-Profi: a multicolour sprite over the FLI bug
  muf,  // Mufflon: hires FLI over six sprites
  mui,  // two Mufflon frames
  mup,  // a packed Mufflon picture
  nuf,  // NUFLI: hires FLI over seven sprites
  nup,  // a packed NUFLI picture
  uif,  // UIFLI: two packed frames of hires FLI over the UFLI sprites
  xfl,  // packed hires FLI over eight multicolour sprites
};
// Whether pictures of the arrangement may be drawn with the model's character ROM: the PETSCII
// screens, and Fluff's when it holds one.
constexpr bool draws_with_character_rom(arrangement a) {
  return a == arrangement::pet || a == arrangement::pdr || a == arrangement::fluff;
}

// Whether the arrangement's files are packed (it unpacks them itself).
constexpr bool arrangement_unpacks(arrangement kind) {
  switch (kind) {
    case arrangement::printfox:
    case arrangement::shp:
    case arrangement::esh:
    case arrangement::sh1:
    case arrangement::sh2:
    case arrangement::shi:
    case arrangement::shf:
    case arrangement::sif:
    case arrangement::shx:
    case arrangement::mup:
    case arrangement::nup:
    case arrangement::uif:
    case arrangement::xfl:
      return true;
    default:
      return false;
  }
}

// Checks the file (its whole bytes) and draws it into the model's raster, setting its canvas;
// scratch holds what a packed file unpacks to. Fails, with the model untouched, for a file the
// format cannot take.
result<> arrange_picture(arrangement kind, std::span<const uint8_t> file, file_buffer& scratch,
                         picture_model& model);

// Whether arrange_picture takes the file.
bool arrangement_takes(arrangement kind, std::span<const uint8_t> file);
