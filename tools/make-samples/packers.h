#pragma once
// Packing plain picture files as the packed formats store them: the inverse of unpacking.
#include <cstdint>
#include <span>

#include "formats/packing.h"

// Packs the plain file (load address at 0..1, then its data) with the scheme into packed from
// index 0; the packed file's size.
uint32_t pack(packing scheme, std::span<const uint8_t> plain, file_buffer& packed);
