#pragma once
// The picture a disk image's thumbnail shows: its first entry that holds a picture.
#include <cstdint>
#include <span>

#include "containers/d64/d64_read.h"
#include "imaging/picture_image.h"

// Lists the disk image and draws its first entry whose size and content name a picture format
// and that loads; fails with why the image cannot be read, or "the disk image holds no picture
// that can be shown".
result<picture_image> draw_first_disk_picture(std::span<const uint8_t> image,
                                              const palette_colours& palette,
                                              picture_workspace& work, d64_reader& disk);
