#pragma once
// The viewer's state that its handlers, the frame tick and showing a picture share, with its
// start-up defaults.
#include <cstdint>
#include <string>

#include "gui/panels.h"
#include "render/crt_settings.h"
#include "viewer/picture_window.h"

struct app_state {
  bool picture_shown = false;
  bool frame_toggle = true;  // true: the next presenting tick copies work surface A
  bool two_surface_picture = true;
  bool presenting = true;
  bool in_disk_image = false;
  crt_settings crt;
  uint8_t interlace_rate = rate_each_frame;
  uint8_t format_id = 0;
  std::string current_dir;
  std::string current_picture_name;
  std::string disk_image_name;
  // The part of the picture on screen, for one larger than the picture area.
  picture_window window;
};
