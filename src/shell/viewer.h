#pragma once
// The viewer on a display: the main form, the display's start, the frame loop, the end.
#include <string>

#include "display/display.h"

// Creates Form1 in the current directory (the start directory), initialises the display and
// runs the frame loop until the program is to end. Returns the exit status: 0 after the
// form was closed, 1 (with the display's message on stderr) when the display cannot start.
int run_viewer(display& screen, const std::string& data_dir);
