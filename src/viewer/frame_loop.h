#pragma once
// The message loop: input events first, frame ticks when the loop is idle and a tick is due.
//
// Modal boxes (the exit and delete questions, messages, the rename box, the save prompt) do not
// return to this loop: a box runs a loop of its own, nested inside the key handler that opened
// it, through the same run_until. So the frames go on while a box waits, and the handler simply
// continues with the answer once the box is closed.
//
// Keys and characters arrive as two events: the screen sends key_down for a key, then one
// character event for the text it types, if any (Enter, Escape and BackSpace type 13, 27, 8).
// The browser acts on key_down only. The picture and help screens act on key_down (S, PageUp,
// PageDown) and on the characters Enter and Escape, but only on a character whose key_down went
// to them and after which no box has run: the Enter that answers a box must not also leave the
// picture. A box in turn ignores characters until it has seen a key_down of its own, since the
// character of the key that opened it follows it into the box.
#include <functional>

#include "display/display.h"
#include "display/frame_timer.h"
#include "display/input.h"

// What the loop runs: the screen it waits on, the timer it ticks, and the form's tick, present,
// modal overlay and close.
class frame_client {
 public:
  virtual ~frame_client() = default;
  virtual display& screen() = 0;
  virtual frame_timer& timer() = 0;
  // One frame tick: it presents the screen.
  virtual void tick() = 0;
  // Presents the screen at once, outside the ticks.
  virtual void present_screen() = 0;
  // A box drawn over everything while it waits for the user; nullptr takes it away.
  virtual void show_overlay(const overlay* box) = 0;
  // Whether the program is to end.
  virtual bool close_requested() const = 0;
  virtual void Close() = 0;
};

// Runs the loop until done() holds (true) or the program is to end (false: window closed,
// SIGINT/SIGTERM, or the form closed). Events other than quit and expose go to on_event;
// an expose presents at once. Ticks come only while the display is active.
bool run_until(frame_client& client, const std::function<bool()>& done,
               const std::function<void(const input_event&)>& on_event);
