#pragma once
// The viewer on a display: the main form, the display's start, the frame loop, the end.
#include <ostream>
#include <string>

#include "display/display.h"
#include "viewer/start_target.h"

// Creates Form1 in the current directory (the start directory), initialises the display,
// opens the start file if one was named, and runs the frame loop until the program is to
// end. palette_file is a resolved --palette choice, chargen_file a --chargen character ROM
// (empty: the usual lookups). Returns the
// exit status: 0 after the form was closed, 1 (with the display's message on err) when the
// display cannot start.
int run_viewer(display& screen, std::ostream& err, const std::string& data_dir,
               const std::string& palette_file = {}, const start_target& start = {},
               const std::string& chargen_file = {});
