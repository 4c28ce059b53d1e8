#pragma once
// The arrangements of each family of formats, as arrange_picture dispatches to them.
#include <span>

#include "base/file_buffer.h"
#include "base/result.h"
#include "formats/picture_model.h"

// Pictures larger than one screen (arrange_pages.cpp).
result<> arrange_bfli(std::span<const uint8_t> file, picture_model& model);
result<> arrange_printfox(std::span<const uint8_t> file, file_buffer& scratch,
                          picture_model& model);
