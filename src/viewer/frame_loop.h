#pragma once
// The message loop: input events first, frame ticks when the loop is idle and a tick is due.
#include <functional>

#include "display/input.h"

class TForm1;

// Runs the loop until done() holds (true) or the program is to end (false: window closed,
// SIGINT/SIGTERM, or the form closed). Events other than quit and expose go to on_event;
// an expose presents at once. Ticks come only while the display is active; modal boxes
// run their own wait through this loop, so the frames go on meanwhile.
bool run_until(TForm1& form, const std::function<bool()>& done,
               const std::function<void(const input_event&)>& on_event);
