#include "viewer/modal_dialogs.h"

#include "browser/host_directory.h"

void modal_dialogs::show_box() {
  paint_dialog(box_, image_);
  overlay_.image = &image_;
  place_dialog(image_, overlay_.x, overlay_.y);
  client_.show_overlay(&overlay_);
  client_.present_screen();
}

dialog_result modal_dialogs::run(dialog_box box) {
  box_ = std::move(box);
  show_box();
  // The character of the key that opened this box follows it here; it is not meant for the box.
  bool seen_key_down = false;
  const bool answered = run_until(
      client_, [this] { return box_.result != dialog_result::open; },
      [this, &seen_key_down](const input_event& event) {
        if (event.type == input_event::kind::key_down) seen_key_down = true;
        if (event.type == input_event::kind::character && !seen_key_down) return;
        const dialog_box before = box_;
        dialog_key(box_, event);
        if (box_.value != before.value || box_.cursor != before.cursor ||
            box_.focus != before.focus)
          show_box();
      });

  client_.show_overlay(nullptr);
  client_.present_screen();
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
