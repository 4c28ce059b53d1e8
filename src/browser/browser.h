#pragma once
// The browser: the grid filled from the host's current directory or from a D64 image, and
// opening its rows. The shell supplies the hooks that reach the rest of the program.
#include <functional>
#include <string>
#include <vector>

#include "browser/drive_provider.h"
#include "browser/host_directory.h"
#include "browser/name_list.h"
#include "browser/picture_source.h"
#include "browser/tdir.h"

struct app_state;
struct d64_reader;

inline constexpr int listed_d64_size = 174848;

struct browser_hooks {
  std::function<void(int row, picture_source source)> show_picture;
  std::function<void()> draw_status_line;  // shows app_state::current_dir
  std::function<void(const std::string& text)> show_message;
};

struct browser {
  tdir grid;
  name_list names;
  directory_lister* lister = nullptr;  // not owned
  drive_provider* drives = nullptr;    // not owned
  browser_hooks hooks;
  std::vector<host_entry> entries;  // the last enumeration, reused between listings
  std::vector<drive_item> drive_items;
};

// Rebuilds the grid from the current host directory: header, directories with ".." (except
// at "/"), D64 images of exactly 174848 bytes, "*.vic" files, drives. Leaves row 1 selected.
// False when the directory could not be read (its rows are then missing, ".." stays).
bool list_directory(browser& b);

// Writes every pair of the name list, in list order, into first_row and the rows after it.
void fill_rows(browser& b, int first_row);

// Acts on the selected row as Enter does: enters a directory or drive, enters or leaves a
// D64 image, or shows a picture through the hooks.
void open_entry(browser& b, app_state& state, d64_reader& disk);

// Fills the grid with the directory of the D64 image file (relative to the current directory)
// and selects row 1; false, with the grid unchanged, when the image cannot be read whole.
bool list_disk_image(browser& b, d64_reader& disk, const std::string& file_name);

// Selects the first list row whose host name is exactly name; row 1 when none is.
void select_row_by_host_name(browser& b, const std::string& name);
