#pragma once
// The inverse of loading: a format's layout run backwards, from model bytes to file offsets.
#include "formats/format_table.h"

// Writes every model byte that format's layout copies from the file back to the offset it
// comes from, the first byte of a part filled from one file byte to that byte's offset, and
// the first byte of a part to each offset of its lead-in. Offsets the layout does not read
// are left as they are.
void store_picture(const format_entry& format, const picture_model& model, file_buffer& file);
