#pragma once
// The viewer's answers to its questions: boxes drawn over the screen, each waiting for the
// user in a nested frame loop so that the frames go on meanwhile.
#include "gui/dialog_box.h"
#include "viewer/dialogs.h"
#include "viewer/frame_loop.h"

class modal_dialogs final : public dialogs {
 public:
  explicit modal_dialogs(frame_client& client) : client_(client) {}

  bool confirm(const std::string& question) override;
  void message(const std::string& text) override;
  std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                   const std::string& initial) override;
  std::optional<std::string> save_name() override;

 private:
  // Shows the box until it is answered or the program is to end (then it counts as No/Cancel).
  dialog_result run(dialog_box box);
  void show_box();

  frame_client& client_;
  dialog_box box_;
  surface image_;
  overlay overlay_;
};
