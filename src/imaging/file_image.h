#pragma once
// Any file the thumbnail command is given, already in memory, drawn as its picture: a
// container's first picture, or the picture file it is.
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

#include "containers/container_stack.h"
#include "imaging/picture_image.h"

// The most bytes worth reading of a file of this name: the largest container a stack opens
// from memory for a container's name, else the most a picture file can have. A reader may take
// one more to tell a file that is too large, which draw_file_image refuses.
size_t most_file_bytes(std::string_view name);

// Draws the picture a file's bytes hold, as draw_picture_file does: for a container's name
// (a disk image, tape, PC64 file or archive), the first of its entries, in its listing's order,
// that holds a picture that can be shown (the failure says when none does); for any other
// name, or a PC64 name on bytes without its header, the picture file the bytes are. The
// container stack is made for the first container's name that comes.
result<picture_image> draw_file_image(std::span<const uint8_t> bytes, std::string_view name,
                                      const palette_colours& palette, picture_workspace& work,
                                      std::unique_ptr<container_stack>& opened);
