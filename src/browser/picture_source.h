#pragma once
// How the file of a browser row is found when it is shown as a picture.
#include <cstdint>

enum class picture_source : uint8_t {
  HOST_FILE = 0,         // the row's host file, relative to the current directory
  DISK_IMAGE_ENTRY = 1,  // the row's entry of the container listed now
};
