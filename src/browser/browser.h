#pragma once
// The browser: the grid filled from the host's current directory or from the containers entered
// (disk images, tapes, archives and the folders inside archives), and opening its rows. Opening
// a row tells what happened; the viewer applies it to its own state.
#include <cstdint>
#include <string>
#include <vector>

#include "browser/drive_provider.h"
#include "browser/host_directory.h"
#include "browser/name_list.h"
#include "browser/picture_source.h"
#include "browser/tdir.h"
#include "listing/container_rows.h"

// A step taken into a container or into an archive's folder, and what leaving it restores.
struct container_place {
  std::string folder;              // the folder listed before the step
  int row = 1;                     // the row selected before the step
  bool entered_container = false;  // the step entered a container, not a folder
};

struct browser {
  tdir grid;
  name_list names;
  directory_lister* lister = nullptr;  // not owned
  drive_provider* drives = nullptr;    // not owned
  std::vector<host_entry> entries;     // the last enumeration, reused between listings
  std::vector<drive_item> drive_items;
  container_stack* opened = nullptr;    // not owned: the containers entered
  std::string folder;                   // the folder of the innermost archive listed: "", "a/b/"
  std::vector<container_place> places;  // the steps in from the host folder, innermost last
  container_listing listing;            // the last container listing, reused
};

// Whether the grid lists a container (or a folder inside one) rather than a host folder.
bool in_container(const browser& b);

// Rebuilds the grid from the current host directory: header, directories with ".." (except
// at "/"), containers (disk images of a D64, D71 or D81 size and extension, and the files whose
// names show a tape or an archive: nothing is opened to tell), picture files (".vic", a
// picture format's extension, a file that its size and load address show to be a picture, or
// a PC64 file), drives. Leaves row 1 selected.
// False when the directory could not be read (its rows are then missing, ".." stays).
bool list_directory(browser& b);

// Writes every pair of the name list, in list order, into first_row and the rows after it.
void fill_rows(browser& b, int first_row);

enum class open_action : uint8_t {
  nothing,             // the row opens nothing
  directory_changed,   // a directory or drive row: the listing is of text, the current directory
  entered_disk_image,  // the listing is of a container, or of a folder inside one, named text
  left_disk_image,     // a step out: the listing is of the place left to, its row selected
  show_picture,        // row holds a picture from source, of format_id (0: none to show)
  message,             // nothing changed; text says why
};

struct open_outcome {
  open_action action = open_action::nothing;
  std::string text;
  int row = 0;
  picture_source source = picture_source::HOST_FILE;
  uint8_t format_id = 0;
  std::string notice = {};  // what a container entered met (damaged, encrypted entries): told after
};

// Acts on the selected row as Enter does: enters a directory or drive, enters a container or a
// folder inside one, steps out of one, or names the picture to show.
open_outcome open_entry(browser& b);

// The row that leads up, for opening as Enter would: ".." in a host listing, the row that steps
// out in a container's listing; 0 at the top of the file system, which has neither.
int parent_row(const tdir& grid);

// Enters the host file (relative to the current directory) as a container, as opening its row
// does: the grid lists it, or is unchanged and the outcome says why it could not be read.
open_outcome enter_host_container(browser& b, const std::string& file_name);

// Fills the grid from the innermost container entered, at b.folder: the row that steps out,
// then its entries. Gives what the listing met that the user is told (its first problem and
// how many more, names escaped); empty when nothing.
std::string list_opened_container(browser& b);

// Selects the first list row whose host name is exactly name; row 1 when none is.
void select_row_by_host_name(browser& b, const std::string& name);
