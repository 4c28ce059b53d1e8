#pragma once
// The palette a file's picture is shown in when the viewer is opened on the file's folder.
#include <string_view>

#include "render/palette.h"

// The colours of "Velora2003.cfg" in the folder of the file name (the current folder for a
// name without one), else of the user's own palette file, else the built-in ones. An empty
// name has no folder: only the user's own file is looked for.
palette_colours viewer_palette_for(std::string_view name);
