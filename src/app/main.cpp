// The program entry: the command line, then the viewer on the SDL screen or
// one of the headless subcommands.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "base/escaped_text.h"
#include "base/quit_signal.h"
#include "cli/commands.h"
#include "display/sdl_screen.h"
#include "text/text.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
  install_quit_signal_handlers();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const command_line cl = parse_command_line(args);
  if (!cl.error.empty()) {
    std::fprintf(stderr, "velora2003: %s\n", escaped_text(cl.error).c_str());
    return 2;
  }
  console io{std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0};
  switch (cl.action) {
    case program_action::help:
      std::fputs(usage_text().c_str(), stdout);
      return 0;
    case program_action::version:
      std::fputs(version_text().c_str(), stdout);
      return 0;
    case program_action::render:
      return run_render_command(cl.command_args, find_data_dir(""), io);
    case program_action::thumbnail:
      return run_thumbnail_command(cl.command_args, find_data_dir(""), io);
    case program_action::info:
      return run_info_command(cl.command_args, io);
    case program_action::list:
      return run_list_command(cl.command_args, io);
    case program_action::formats:
      return run_formats_command(cl.command_args, io);
    case program_action::view:
      break;
  }
  // Resolved before the change of directory, so a relative --data-dir means what it said.
  const std::string data_dir = find_data_dir(cl.data_dir);
  if (!cl.start_dir.empty() && chdir(cl.start_dir.c_str()) != 0) {
    std::fprintf(stderr, "velora2003: cannot enter start directory '%s': %s\n",
                 escaped_text(cl.start_dir).c_str(), std::strerror(errno));
    return 2;
  }
  result<std::unique_ptr<display>> screen = open_sdl_screen(
      {.windowed = cl.windowed, .scale = cl.scale, .integer_scale = cl.integer_scale});
  if (!screen) {
    std::cerr << display_mode_error << '\n' << describe(screen.why()) << '\n';
    return 1;
  }
  const int status =
      run_viewer(**screen, std::cerr, data_dir, cl.palette_file, cl.start, cl.chargen_file);
  screen->reset();
  close_fonts();
  return status;
}
