#pragma once
// The questions the program asks the user. The viewer answers them with modal boxes drawn
// over the screen while the frames go on; tests answer them from a script.
#include <optional>
#include <string>

// Caption of plain message boxes and of the general error report.
inline constexpr const char* application_title = "Velora2003";

class dialogs {
 public:
  virtual ~dialogs() = default;
  // A confirmation box captioned "Confirm" with Yes (the default) and No; true for Yes.
  virtual bool confirm(const std::string& question) = 0;
  // A plain message box with OK, captioned with the application's title.
  virtual void message(const std::string& text) = 0;
  // A text input box; the edited text on OK, nothing on Cancel.
  virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                           const std::string& initial) = 0;
  // The save prompt: a file name relative to the current directory, nothing when cancelled.
  virtual std::optional<std::string> save_name() = 0;
};
