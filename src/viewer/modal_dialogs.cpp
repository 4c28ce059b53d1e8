#include "viewer/modal_dialogs.h"

#include "browser/host_directory.h"
#include "viewer/form.h"
#include "viewer/frame_loop.h"

dialog_result modal_dialogs::run(dialog_box box) {
  box_ = std::move(box);
  paint_dialog(box_, image_);
  form_.modal_overlay.image = &image_;
  place_dialog(image_, form_.modal_overlay.x, form_.modal_overlay.y);
  form_.present_screen();

  // A character event follows the key_down of its key; the one of the key that opened this
  // box is not meant for it.
  bool seen_key_down = false;
  const bool answered = run_until(
      form_, [this] { return box_.result != dialog_result::open; },
      [this, &seen_key_down](const input_event& event) {
        if (event.type == input_event::kind::key_down) seen_key_down = true;
        if (event.type == input_event::kind::character && !seen_key_down) return;
        const dialog_box before = box_;
        dialog_key(box_, event);
        if (box_.value != before.value || box_.cursor != before.cursor ||
            box_.focus != before.focus) {
          paint_dialog(box_, image_);
          place_dialog(image_, form_.modal_overlay.x, form_.modal_overlay.y);
          form_.present_screen();
        }
      });

  form_.modal_overlay = {};
  form_.present_screen();
  if (!answered)
    return box_.kind == dialog_kind::confirm ? dialog_result::no : dialog_result::cancel;
  return box_.result;
}

bool modal_dialogs::confirm(const std::string& question) {
  return run(make_confirm_box("Confirm", question)) == dialog_result::yes;
}

void modal_dialogs::message(const std::string& text) {
  run(make_message_box(application_title, text));
}

std::optional<std::string> modal_dialogs::input(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& initial) {
  if (run(make_input_box(caption, prompt, initial)) != dialog_result::ok) return std::nullopt;
  return box_.value;
}

std::optional<std::string> modal_dialogs::save_name() {
  if (run(make_save_prompt(host_current_directory())) != dialog_result::ok) return std::nullopt;
  return box_.value;
}
