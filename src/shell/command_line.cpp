#include "shell/command_line.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace {

bool parse_scale(std::string_view text, int& scale) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  if (value < 1 || value > max_window_scale) return false;
  scale = value;
  return true;
}

std::string in_quotes(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  quoted += text;
  quoted += '\'';
  return quoted;
}

}  // namespace

command_line parse_command_line(std::span<const std::string_view> args) {
  command_line cl;
  if (!args.empty()) {
    const std::string_view first = args.front();
    const program_action sub = first == "render" ? program_action::render
                               : first == "info" ? program_action::info
                               : first == "list" ? program_action::list
                                                 : program_action::view;
    if (sub != program_action::view) {
      cl.action = sub;
      cl.command_args.assign(args.begin() + 1, args.end());
      return cl;
    }
  }
  bool have_start_dir = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    auto value_of = [&](std::string_view name, std::string_view& value) {
      if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
      }
      if (arg != name) return false;
      if (i + 1 >= args.size()) {
        cl.error = std::string(name) + " needs a value";
        return true;
      }
      value = args[++i];
      return true;
    };
    std::string_view value;
    if (arg == "--help" || arg == "-h") {
      cl.action = program_action::help;
      return cl;
    } else if (arg == "--version") {
      cl.action = program_action::version;
      return cl;
    } else if (arg == "--windowed") {
      cl.windowed = true;
    } else if (arg == "--integer-scale") {
      cl.integer_scale = true;
    } else if (value_of("--scale", value)) {
      if (cl.error.empty() && !parse_scale(value, cl.scale))
        cl.error = "--scale needs a whole number from 1 to " + std::to_string(max_window_scale) +
                   ", not " + in_quotes(value);
    } else if (value_of("--data-dir", value)) {
      if (cl.error.empty() && value.empty()) cl.error = "--data-dir needs a directory";
      cl.data_dir = value;
    } else if (arg.size() > 1 && arg.starts_with('-')) {
      cl.error = "unknown option " + in_quotes(arg) + " (see --help)";
    } else if (have_start_dir) {
      cl.error = "only one start directory may be given, not also " + in_quotes(arg);
    } else {
      have_start_dir = true;
      cl.start_dir = arg;
    }
    if (!cl.error.empty()) return cl;
  }
  std::error_code ec;
  if (have_start_dir && !std::filesystem::is_directory(cl.start_dir, ec))
    cl.error = std::filesystem::exists(cl.start_dir, ec)
                   ? "start directory " + in_quotes(cl.start_dir) + " is not a directory"
                   : "start directory " + in_quotes(cl.start_dir) + " does not exist";
  return cl;
}

std::string usage_text() {
  return "Usage: velora2003 [--windowed] [--scale N] [--integer-scale] [--data-dir DIR] "
         "[START_DIR]\n"
         "       velora2003 render INPUT -o OUTPUT [--mode static|interlaced] [--frame a|b]\n"
         "                         [--inertia 0-10] [--scanline 0-9] [--palette FILE]\n"
         "       velora2003 info FILE...\n"
         "       velora2003 list IMAGE.d64\n"
         "       velora2003 --help | --version\n"
         "\n"
         "Shows Commodore 64 picture files as a C64 showed them on a CRT, browsing from\n"
         "START_DIR (default: the current directory), full screen at 800x600.\n"
         "\n"
         "  --windowed       an 800x600 window instead of full screen (F11 toggles)\n"
         "  --scale N        window size factor, 1 to 8 (default 1)\n"
         "  --integer-scale  scale only by whole multiples, without smoothing\n"
         "  --data-dir DIR   read the artwork and the directory font from DIR\n"
         "  render           write one picture as the viewer renders it, to BMP or PNG\n"
         "  info             print size and format of each picture file\n"
         "  list             print the directory of a D64 disk image\n"
         "\n"
         "Exit status: 0 done, 1 the input could not be read or shown, 2 bad usage.\n";
}

std::string version_text() {
  return std::string("velora2003 ") + VELORA_VERSION + "\n";
}
