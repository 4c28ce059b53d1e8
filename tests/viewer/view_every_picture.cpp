// Opens every picture row of each folder, and of each D64 image in it, in the viewer on the
// headless screen, as a user pressing Enter on each row would; scripts/test runs it under
// valgrind. view_every_picture DATA_DIR FOLDER... prints what it showed; exit status 1 when a
// picture was not shown or a message came up.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "browser/host_directory.h"
#include "display/headless_display.h"
#include "formats/format_table.h"
#include "support/scripted_dialogs.h"
#include "text/text.h"
#include "viewer/form.h"

namespace {

void press(TForm1& form, int key) {
  form.handle_input({.type = input_event::kind::key_down, .key = key});
  form.handle_input(
      {.type = input_event::kind::character, .character = static_cast<uint32_t>(key)});
}

bool is_picture_row(const grid_row& row) {
  const bool file_row = row.cells[1] == "<File>" || row.cells[1] == "PRG";
  return file_row && format_by_id(row.format_id) != nullptr;
}

// Shows every picture row of the listing on screen, with a few frame ticks each.
int show_every_picture(TForm1& form) {
  int shown = 0;
  for (int row = 1; row < form.grid().row_count; ++row) {
    if (!is_picture_row(tdir_row(form.grid(), row))) continue;
    form.select_row(row);
    press(form, vk::enter);
    if (form.grid_visible()) {
      std::fprintf(stderr, "view_every_picture: row %d was not shown\n", row);
      return -1;
    }
    for (int tick = 0; tick < 3; ++tick) form.DXTimerTimer();
    std::printf("%s\t%s\n", form.state().current_picture_name.c_str(),
                std::string(format_name(form.state().format_id)).c_str());
    press(form, vk::enter);
    ++shown;
  }
  return shown;
}

int view_folder(const std::string& data_dir) {
  headless_display screen;
  bool reported = false;
  scripted_dialogs answers;
  TForm1 form(screen, {.data_dir = data_dir,
                       .report_error =
                           [&](const std::string& message) {
                             std::fprintf(stderr, "view_every_picture: %s\n", message.c_str());
                             reported = true;
                           },
                       .questions = &answers});
  if (!screen.initialize()) return 1;
  int shown = show_every_picture(form);
  // Each disk image is entered, its pictures shown, and left by its "<WIN>" row.
  for (int row = 1; shown >= 0 && row < form.grid().row_count; ++row) {
    if (tdir_row(form.grid(), row).cells[1] != "<D64>") continue;
    form.select_row(row);
    press(form, vk::enter);
    const int in_image = show_every_picture(form);
    shown = in_image < 0 ? -1 : shown + in_image;
    form.select_row(1);
    press(form, vk::enter);
  }
  for (const std::string& asked : answers.asked)
    std::fprintf(stderr, "view_every_picture: %s\n", asked.c_str());
  std::printf("%d pictures shown\n", shown);
  return shown > 0 && !reported && answers.asked.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: view_every_picture DATA_DIR FOLDER...\n", stderr);
    return 2;
  }
  const std::string start_dir = host_current_directory();
  const std::string data_dir = argv[1][0] == '/' ? argv[1] : start_dir + "/" + argv[1];
  int status = 0;
  for (int k = 2; k < argc && status == 0; ++k) {
    // Each folder is the start directory of a new form, as when the viewer starts there.
    if (chdir(start_dir.c_str()) != 0 || chdir(argv[k]) != 0) {
      std::perror(argv[k]);
      return 1;
    }
    status = view_folder(data_dir);
  }
  close_fonts();
  return status;
}
