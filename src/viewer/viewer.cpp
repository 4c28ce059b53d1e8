#include "viewer/viewer.h"

#include "viewer/form.h"
#include "viewer/frame_loop.h"

int run_viewer(display& screen, std::ostream& err, const std::string& data_dir,
               const std::string& palette_file, const start_target& start,
               const std::string& chargen_file) {
  TForm1 Form1(screen,
               {.data_dir = data_dir, .palette_file = palette_file, .chargen_file = chargen_file});
  if (!screen.initialize()) {
    err << screen.error() << '\n';
    return 1;
  }
  Form1.open_start(start);
  // The loop stops whenever a message waits to be shown, and resumes after it.
  while (run_until(
      Form1, [&] { return Form1.has_pending_messages(); },
      [&](const input_event& event) { Form1.handle_input(event); }))
    Form1.show_pending_messages();
  return 0;
}
