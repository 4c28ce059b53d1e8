#pragma once
// The browser: the grid filled from the host's current directory or from a D64 image, and
// opening its rows. Opening a row tells what happened; the viewer applies it to its own state.
#include <cstdint>
#include <string>
#include <vector>

#include "browser/drive_provider.h"
#include "browser/host_directory.h"
#include "browser/name_list.h"
#include "browser/picture_source.h"
#include "browser/tdir.h"

struct d64_reader;

struct browser {
  tdir grid;
  name_list names;
  directory_lister* lister = nullptr;  // not owned
  drive_provider* drives = nullptr;    // not owned
  std::vector<host_entry> entries;     // the last enumeration, reused between listings
  std::vector<drive_item> drive_items;
};

// Rebuilds the grid from the current host directory: header, directories with ".." (except
// at "/"), disk images (a D64, D71 or D81 size and extension), picture files (".vic", a
// picture format's extension, or a file that its size and load address show to be a picture),
// drives. Leaves row 1 selected.
// False when the directory could not be read (its rows are then missing, ".." stays).
bool list_directory(browser& b);

// Writes every pair of the name list, in list order, into first_row and the rows after it.
void fill_rows(browser& b, int first_row);

enum class open_action : uint8_t {
  nothing,             // the row opens nothing
  directory_changed,   // a directory or drive row: the listing is of text, the current directory
  entered_disk_image,  // the listing is of the disk image named text
  left_disk_image,     // the host listing is back, the image's row selected
  show_picture,        // row holds a picture from source, of format_id (0: none to show)
  message,             // nothing changed; text says why
};

struct open_outcome {
  open_action action = open_action::nothing;
  std::string text;
  int row = 0;
  picture_source source = picture_source::HOST_FILE;
  uint8_t format_id = 0;
};

// Acts on the selected row as Enter does: enters a directory or drive, enters or leaves a disk
// image (disk_image_name is the one listed now), or names the picture to show.
open_outcome open_entry(browser& b, d64_reader& disk, const std::string& disk_image_name);

// The row that leads up, for opening as Enter would: ".." in a host listing, the row that leaves
// a disk image in its listing; 0 at the top of the file system, which has neither.
int parent_row(const tdir& grid);

// Fills the grid with the directory of the D64 image file (relative to the current directory)
// and selects row 1; false, with the grid unchanged, when the image cannot be read whole.
bool list_disk_image(browser& b, d64_reader& disk, const std::string& file_name);

// Selects the first list row whose host name is exactly name; row 1 when none is.
void select_row_by_host_name(browser& b, const std::string& name);
