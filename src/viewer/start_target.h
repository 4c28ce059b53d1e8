#pragma once
// What the START argument names: a folder to browse, a picture file to show in its folder,
// or a container (disk image, tape, archive) to browse inside.
#include <optional>
#include <string>
#include <string_view>

struct browser;

enum class start_kind : uint8_t { folder, picture_file, disk_image };

struct start_target {
  start_kind kind = start_kind::folder;
  std::string folder;     // the directory to change to before the browser lists it
  std::string file_name;  // the host name of the file's row in that folder; empty for a folder
};

// After the browser has listed the target's folder: selects the file's row and tells whether
// it is there to be opened (a picture file or container row of exactly that host name).
bool select_start_row(browser& b, const start_target& target);
