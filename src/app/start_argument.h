#pragma once
// What the START argument of the command line names.
#include <string_view>

#include "base/result.h"
#include "viewer/start_target.h"

// Classifies START: a directory, a disk image (".d64", ".d71" or ".d81", any case) or any other
// file, which is shown
// as a picture when the browser lists it; fails for a path that does not exist.
result<start_target> classify_start(std::string_view start);
