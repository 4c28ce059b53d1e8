#include "formats/arrangement.h"

#include <memory>

#include "base/thread_scratch.h"
#include "formats/arrangement_families.h"

result<> arrange_picture(arrangement kind, std::span<const uint8_t> file, file_buffer& scratch,
                         picture_model& model) {
  switch (kind) {
    case arrangement::none:
      break;
    case arrangement::bfli:
      return arrange_bfli(file, model);
    case arrangement::printfox:
      return arrange_printfox(file, scratch, model);
    case arrangement::star_painter:
      return arrange_star_painter(file, model);
    case arrangement::mwi:
      return arrange_mwi(file, model);
    case arrangement::shp:
      return arrange_shp(file, scratch, model);
    case arrangement::pet:
      return arrange_pet(file, model);
    case arrangement::pdr:
      return arrange_pdr(file, model);
    case arrangement::fluff:
      return arrange_fluff(file, model);
    case arrangement::font_64c:
      return arrange_64c(file, model);
    case arrangement::seuck_font:
      return arrange_seuck_font(file, model);
    case arrangement::zs_font:
      return arrange_zs_font(file, model);
    case arrangement::logo_painter:
      return arrange_logo_painter(file, model);
    case arrangement::interlace_logo:
      return arrange_interlace_logo(file, model);
    case arrangement::multi_lace:
      return arrange_multi_lace(file, model);
    case arrangement::charpad:
      return arrange_charpad(file, model);
    case arrangement::spritepad:
      return arrange_spritepad(file, model);
    case arrangement::seuck_sprites:
      return arrange_seuck_sprites(file, model);
    case arrangement::esh:
      return arrange_esh(file, scratch, model);
    case arrangement::ish:
      return arrange_ish(file, model);
    case arrangement::sh1:
      return arrange_sh1(file, scratch, model);
    case arrangement::sh2:
      return arrange_sh2(file, scratch, model);
    case arrangement::she:
      return arrange_she(file, model);
    case arrangement::shs:
      return arrange_shs(file, model);
    case arrangement::shi:
      return arrange_shi(file, scratch, model);
    case arrangement::shf:
      return arrange_shf(file, scratch, model);
    case arrangement::sif:
      return arrange_sif(file, scratch, model);
    case arrangement::shx:
      return arrange_shx(file, scratch, model);
    case arrangement::fpr:
      return arrange_fpr(file, model);
    case arrangement::muf:
      return arrange_muf(file, model);
    case arrangement::mui:
      return arrange_mui(file, model);
    case arrangement::mup:
      return arrange_mup(file, scratch, model);
    case arrangement::nuf:
      return arrange_nuf(file, model);
    case arrangement::nup:
      return arrange_nup(file, scratch, model);
    case arrangement::uif:
      return arrange_uif(file, scratch, model);
    case arrangement::xfl:
      return arrange_xfl(file, scratch, model);
  }
  return failure{"the format has no arrangement"};
}

bool arrangement_takes(arrangement kind, std::span<const uint8_t> file) {
  // Identification runs on several threads at once: each has its own scratch model, made once.
  picture_model& model = thread_scratch<struct trial_model, picture_model>();
  file_buffer& scratch = thread_scratch<struct trial_file, file_buffer>();
  return static_cast<bool>(arrange_picture(kind, file, scratch, model));
}
