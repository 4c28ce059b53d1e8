#pragma once
// Answers the program's questions from a script, and records what was asked: for tests and
// for driving the viewer without a user.
#include <deque>
#include <string>
#include <vector>

#include "viewer/dialogs.h"

class scripted_dialogs final : public dialogs {
 public:
  // Answers taken in order; when they run out, confirmations say No and inputs cancel.
  std::deque<bool> confirm_answers;
  std::deque<std::optional<std::string>> text_answers;  // for input and save_name
  // Everything asked, in order: "confirm: ...", "message: ...", "input: initial", "save".
  std::vector<std::string> asked;
  // The texts of the last input box.
  std::string input_caption;
  std::string input_prompt;

  bool confirm(const std::string& question) override {
    asked.push_back("confirm: " + question);
    return take(confirm_answers, false);
  }
  void message(const std::string& text) override { asked.push_back("message: " + text); }
  std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                   const std::string& initial) override {
    input_caption = caption;
    input_prompt = prompt;
    asked.push_back("input: " + initial);
    return take(text_answers, std::optional<std::string>{});
  }
  std::optional<std::string> save_name() override {
    asked.push_back("save");
    return take(text_answers, std::optional<std::string>{});
  }

 private:
  template <typename T>
  static T take(std::deque<T>& answers, T fallback) {
    if (answers.empty()) return fallback;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
};
