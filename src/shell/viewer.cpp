#include "shell/viewer.h"

#include <cstdio>

#include "shell/form.h"
#include "shell/frame_loop.h"
#include "shell/startup_placeholders.h"

int run_viewer(display& screen, const std::string& data_dir) {
  TForm1 Form1(screen, data_dir);
  if (!screen.initialize()) {
    std::fprintf(stderr, "%s\n", screen.error().c_str());
    return 1;
  }
  run_until(
      Form1, [] { return false; },
      [&](const input_event& event) { handle_input_placeholder(Form1, event); });
  return 0;
}
