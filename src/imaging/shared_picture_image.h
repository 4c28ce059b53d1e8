#pragma once
// One workspace for the whole process, for plugins that a host program calls from any thread.
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "imaging/picture_image.h"

// Draws the picture file the bytes hold as draw_picture_file does, in the viewer's palette for
// the name (viewer_palette_for), in a workspace the process shares, and hands the picture to
// use while no other thread can draw over it. Fails with why nothing can be shown.
result<> with_picture_image(std::span<const uint8_t> bytes, std::string_view name,
                            const std::function<void(const picture_image&)>& use);
