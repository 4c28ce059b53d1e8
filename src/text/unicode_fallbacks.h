#pragma once
// What a text shaper does with characters a face does not show as themselves.
#include <cstdint>

// Characters that are not shown (soft hyphen, zero-width and directional controls, variation
// selectors, ...): set as an invisible glyph without advance.
bool default_ignorable(uint32_t code_point);

// The one character a character is canonically equivalent to (Kelvin sign -> K, Greek oxia
// -> tonos, en quad -> en space), or 0. Used when the face lacks the character itself.
uint32_t singleton_decomposition(uint32_t code_point);

// A Unicode space the face lacks is set as the face's space with the width of its kind.
enum class space_kind : uint8_t { none, em_part, four_eighteenths_em, figure, punctuation, narrow };
struct fallback_space {
  space_kind kind = space_kind::none;
  int em_divisor = 1;  // for em_part: the width is the em divided by this, rounded
};
fallback_space space_fallback(uint32_t code_point);
