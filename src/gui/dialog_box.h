#pragma once
// The program's own modal boxes: a plain message, a Yes/No confirmation, a one-line text
// input and the save prompt. A box is a model (what it asks, what the user typed, which
// button has the focus), a key handler and a painter; the shell runs it modally.
#include <cstdint>
#include <string>

#include "display/input.h"
#include "surface/surface.h"

enum class dialog_kind : uint8_t { message, confirm, input, save_prompt };
enum class dialog_result : uint8_t { open, yes, no, ok, cancel };

struct dialog_box {
  dialog_kind kind = dialog_kind::message;
  std::string caption;
  std::string text;   // the message, the question, or the input's prompt
  std::string hint;   // a second line under the prompt (the save prompt's filter)
  std::string value;  // the edited text of an input or save prompt, UTF-8
  size_t cursor = 0;  // byte position in value, always at a character boundary
  // The focused button: 0 the first (OK, Yes, Save), 1 the second (No, Cancel); -1 the text
  // field of an input box or save prompt, where Enter presses the first button.
  int focus = 0;
  dialog_result result = dialog_result::open;
};

dialog_box make_message_box(std::string caption, std::string text);
// Yes has the focus at first.
dialog_box make_confirm_box(std::string caption, std::string question);
// The text field has the focus, the cursor at the end of the initial text.
dialog_box make_input_box(std::string caption, std::string prompt, std::string initial);
dialog_box make_save_prompt(const std::string& directory);

// Applies one input event; sets result when the box is answered. Tab moves the focus on, Enter
// presses the focused button, and so does a click on a button (screen coordinates, the box
// placed by place_dialog); a click on the text field gives it the focus.
void dialog_key(dialog_box& box, const input_event& event);

// Paints the box into a surface of its own, made to fit its texts; place_dialog centres it.
void paint_dialog(const dialog_box& box, surface& image);
void place_dialog(const surface& image, int& x, int& y);
