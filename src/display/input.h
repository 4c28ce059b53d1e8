#pragma once
// Input events as the program's handlers see them: keys as Windows virtual-key codes.
#include <cstdint>

namespace vk {
constexpr int back = 8, tab = 9, enter = 13, escape = 27, space = 32;
constexpr int page_up = 33, page_down = 34, end = 35, home = 36;
constexpr int left = 37, up = 38, right = 39, down = 40, del = 46;
constexpr int f1 = 112, f2 = 113, f3 = 114, f4 = 115, f5 = 116, f6 = 117, f7 = 118, f8 = 119,
              f9 = 120, f10 = 121, f11 = 122, f12 = 123;
// Letters and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).
}  // namespace vk

struct input_event {
  enum class kind : uint8_t {
    none,
    key_down,   // key: virtual-key code, 0 for a key that has none; ctrl: a Ctrl key is held
    character,  // character: 13 for Enter, 27 for Escape, 8 for BackSpace, else printable text
    wheel,      // wheel: +1 up, -1 down
    click,      // x, y: screen coordinates of a left click; clicks: 2 for a double click
    quit,       // window closed, SIGINT or SIGTERM
    focus_gained,
    focus_lost,
    expose,  // the window must be repainted at once
  };
  kind type = kind::none;
  int key = 0;
  bool ctrl = false;
  uint32_t character = 0;  // a Unicode code point
  int wheel = 0;
  int x = 0;
  int y = 0;
  int clicks = 1;  // presses in quick succession at one place, this one included
};

inline input_event key_down_event(int key, bool ctrl = false) {
  input_event e;
  e.type = input_event::kind::key_down;
  e.key = key;
  e.ctrl = ctrl;
  return e;
}

inline input_event character_event(uint32_t character) {
  input_event e;
  e.type = input_event::kind::character;
  e.character = character;
  return e;
}

inline input_event click_event(int x, int y, int clicks = 1) {
  input_event e;
  e.type = input_event::kind::click;
  e.x = x;
  e.y = y;
  e.clicks = clicks;
  return e;
}
