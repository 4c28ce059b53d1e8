#pragma once
// A C64 picture file already in memory, drawn as the viewer draws it but without the caption:
// the whole picture at full size, in the palette given. The thumbnail command, the gdk-pixbuf
// loader and the Qt image plugin all show this. Nothing here reads containers: what links only
// this never links the archive library.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"
#include "formats/format_table.h"
#include "formats/picture_file.h"
#include "imaging/picture_workspace.h"
#include "render/palette.h"

// The picture: the pixels (0x00RRGGBB) of area on *frame, where it lies from (0, 0), each
// pixel of its canvas drawn 2 x 2 (640 x 400 for one screen).
struct picture_image {
  const surface* frame = nullptr;
  rect area;

  int width() const { return area.x2 - area.x1; }
  int height() const { return area.y2 - area.y1; }
};

// Writes the picture as rows of 8-bit red, green and blue, each row row_bytes after the last,
// as image libraries hold pictures without alpha.
void copy_picture_rgb(const picture_image& picture, uint8_t* rows, size_t row_bytes);

// The most bytes a picture file can have. A reader may take one more to tell a file that is
// too large, which draw_picture_file refuses.
inline constexpr size_t most_picture_file_bytes = file_buffer_size;

// Draws the picture file the bytes hold, from an all-zero model, as STATIC mode shows it: told
// by the name's extension, size and content as a host file is, or, with an empty name, by size
// and content as a disk image's entry is. Fails with why nothing can be shown. The picture
// lies in work until its next use.
result<picture_image> draw_picture_file(std::span<const uint8_t> bytes, std::string_view name,
                                        const palette_colours& palette, picture_workspace& work);

// Why a file of size bytes with this name is told as no format: its name names a packed format
// whose stream is bad ("the Koala Painter GG stream does not unpack to 10003 bytes"), or its
// size names none.
std::string no_format_text(std::string_view name, int64_t size);

// Draws the picture file already in work.file (size bytes of it) as the given format shows it.
// Fails when a packed file does not unpack.
result<picture_image> draw_loaded_picture(const format_entry& format, uint32_t size,
                                          const palette_colours& palette, picture_workspace& work);
