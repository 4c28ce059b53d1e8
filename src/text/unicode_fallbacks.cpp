#include "text/unicode_fallbacks.h"

bool default_ignorable(uint32_t c) {
  const auto in = [c](uint32_t first, uint32_t last) { return c >= first && c <= last; };
  return c == 0xAD || c == 0x34F || c == 0x61C || in(0x17B4, 0x17B5) || in(0x180B, 0x180E) ||
         in(0x200B, 0x200F) || in(0x202A, 0x202E) || in(0x2060, 0x206F) || in(0xFE00, 0xFE0F) ||
         c == 0xFEFF || in(0xFFF0, 0xFFF8) || in(0x1D173, 0x1D17A) || in(0xE0000, 0xE0FFF);
}

uint32_t singleton_decomposition(uint32_t code_point) {
  // Every canonical singleton outside the CJK compatibility ideographs (no face of ours has
  // those), in code point order.
  static constexpr struct {
    uint32_t from, to;
  } singletons[] = {
      {0x0340, 0x0300}, {0x0341, 0x0301}, {0x0343, 0x0313}, {0x0374, 0x02B9}, {0x037E, 0x003B},
      {0x0387, 0x00B7}, {0x1F71, 0x03AC}, {0x1F73, 0x03AD}, {0x1F75, 0x03AE}, {0x1F77, 0x03AF},
      {0x1F79, 0x03CC}, {0x1F7B, 0x03CD}, {0x1F7D, 0x03CE}, {0x1FBB, 0x0386}, {0x1FBE, 0x03B9},
      {0x1FC9, 0x0388}, {0x1FCB, 0x0389}, {0x1FD3, 0x0390}, {0x1FDB, 0x038A}, {0x1FE3, 0x03B0},
      {0x1FEB, 0x038E}, {0x1FEE, 0x0385}, {0x1FEF, 0x0060}, {0x1FF9, 0x038C}, {0x1FFB, 0x038F},
      {0x1FFD, 0x00B4}, {0x2000, 0x2002}, {0x2001, 0x2003}, {0x2126, 0x03A9}, {0x212A, 0x004B},
      {0x212B, 0x00C5}, {0x2329, 0x3008}, {0x232A, 0x3009}};
  for (const auto& s : singletons)
    if (s.from == code_point) return s.to;
  return 0;
}

fallback_space space_fallback(uint32_t code_point) {
  switch (code_point) {
    case 0x2000:  // en quad
    case 0x2002:  // en space
      return {space_kind::em_part, 2};
    case 0x2001:  // em quad
    case 0x2003:  // em space
    case 0x3000:  // ideographic space
      return {space_kind::em_part, 1};
    case 0x2004:  // three-per-em space
      return {space_kind::em_part, 3};
    case 0x2005:  // four-per-em space
      return {space_kind::em_part, 4};
    case 0x2006:  // six-per-em space
      return {space_kind::em_part, 6};
    case 0x2009:  // thin space
      return {space_kind::em_part, 5};
    case 0x200A:  // hair space
      return {space_kind::em_part, 16};
    case 0x2007:
      return {space_kind::figure, 1};
    case 0x2008:
      return {space_kind::punctuation, 1};
    case 0x202F:
      return {space_kind::narrow, 1};
    case 0x205F:  // medium mathematical space
      return {space_kind::four_eighteenths_em, 1};
    default:
      return {};
  }
}
