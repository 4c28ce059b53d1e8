#include "app/command_line.h"

#include <filesystem>
#include <system_error>

#include "app/data_dir.h"
#include "app/start_argument.h"
#include "base/whole_number.h"
#include "render/palette_lookup.h"

namespace {

std::string in_quotes(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  quoted += text;
  quoted += '\'';
  return quoted;
}

// Whether args[i] is the option name, with its value after "=" or in the next argument
// (which i then moves to); an option without its value sets error.
bool option_value(std::span<const std::string_view> args, size_t& i, std::string_view name,
                  std::string_view& value, std::string& error) {
  const std::string_view arg = args[i];
  if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  if (i + 1 >= args.size()) {
    error = std::string(name) + " needs a value";
    return true;
  }
  value = args[++i];
  return true;
}

std::optional<int> window_scale(std::string_view value, std::string& error) {
  const std::optional<int> scale = whole_number_in(value, 1, max_window_scale);
  if (!scale)
    error = "--scale needs a whole number from 1 to " + std::to_string(max_window_scale) +
            ", not " + in_quotes(value);
  return scale;
}

// The viewer's options and start folder, into cl; a palette named by --palette into palette, a
// character ROM named by --chargen into chargen.
// Whether a start folder or file was given.
bool read_viewer_arguments(std::span<const std::string_view> args, command_line& cl,
                           std::optional<std::string_view>& palette,
                           std::optional<std::string_view>& chargen) {
  bool have_start_dir = false;
  bool options_ended = false;
  for (size_t i = 0; i < args.size() && cl.error.empty() && cl.action == program_action::view;
       ++i) {
    const std::string_view arg = args[i];
    const bool option = !options_ended && arg.size() > 1 && arg.starts_with('-');
    std::string_view value;
    if (!option) {
      if (have_start_dir)
        cl.error = "only one start folder or file may be given, not also " + in_quotes(arg);
      have_start_dir = true;
      cl.start_dir = arg;
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--help" || arg == "-h") {
      cl.action = program_action::help;
    } else if (arg == "--version") {
      cl.action = program_action::version;
    } else if (arg == "--windowed") {
      cl.windowed = true;
    } else if (arg == "--integer-scale") {
      cl.integer_scale = true;
    } else if (option_value(args, i, "--scale", value, cl.error)) {
      if (cl.error.empty()) cl.scale = window_scale(value, cl.error).value_or(cl.scale);
    } else if (option_value(args, i, "--data-dir", value, cl.error)) {
      if (cl.error.empty() && value.empty()) cl.error = "--data-dir needs a directory";
      cl.data_dir = value;
    } else if (option_value(args, i, "--chargen", value, cl.error)) {
      if (cl.error.empty() && value.empty()) cl.error = "--chargen needs a file";
      chargen = value;
    } else if (option_value(args, i, "--palette", value, cl.error)) {
      if (cl.error.empty() && value.empty()) cl.error = "--palette needs a file or a preset name";
      palette = value;
    } else {
      cl.error = "unknown option " + in_quotes(arg) + " (see --help)";
    }
  }
  return have_start_dir;
}

}  // namespace

command_line parse_command_line(std::span<const std::string_view> args) {
  command_line cl;
  if (!args.empty()) {
    const std::string_view first = args.front();
    const program_action sub = first == "render"      ? program_action::render
                               : first == "thumbnail" ? program_action::thumbnail
                               : first == "info"      ? program_action::info
                               : first == "list"      ? program_action::list
                               : first == "formats"   ? program_action::formats
                                                      : program_action::view;
    if (sub != program_action::view) {
      cl.action = sub;
      cl.command_args.assign(args.begin() + 1, args.end());
      return cl;
    }
  }
  std::optional<std::string_view> palette, chargen;
  const bool have_start_dir = read_viewer_arguments(args, cl, palette, chargen);
  if (!cl.error.empty() || cl.action != program_action::view) return cl;
  if (have_start_dir) {
    const result<start_target> start = classify_start(cl.start_dir);
    if (!start) {
      cl.error = start.error();
      return cl;
    }
    cl.start = *start;
    cl.start_dir = cl.start.folder;
  }
  if (chargen) {
    // Made absolute now, before the change to the start folder.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(*chargen, ec);
    cl.chargen_file = ec ? std::string(*chargen) : absolute.string();
  }
  if (palette) {
    // Resolved now, before the change to the start folder, so a relative path means what it said.
    const result<std::string> choice =
        resolve_palette_argument(*palette, find_data_dir(cl.data_dir));
    if (!choice) {
      cl.error = choice.error();
      return cl;
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(*choice, ec);
    cl.palette_file = ec ? *choice : absolute.string();
  }
  return cl;
}

std::string usage_text() {
  return "Usage: velora2003 [--windowed] [--scale N] [--integer-scale] [--data-dir DIR]\n"
         "                  [--palette FILE|PRESET] [--chargen FILE] [START]\n"
         "       velora2003 render INPUT -o OUTPUT [--mode static|interlaced] [--frame a|b]\n"
         "                         [--inertia 0-10] [--scanline 0-9] [--palette FILE|PRESET]\n"
         "                         [--chargen FILE]\n"
         "       velora2003 render INPUT... -o DIR/ [--format bmp|png] [-j N] [--overwrite]\n"
         "                         [options as above]\n"
         "       velora2003 thumbnail [-s SIZE] INPUT OUTPUT.png\n"
         "       velora2003 info FILE...\n"
         "       velora2003 list CONTAINER\n"
         "       velora2003 formats\n"
         "       velora2003 --help | --version\n"
         "\n"
         "Shows Commodore 64 picture files as a C64 showed them on a CRT, browsing from\n"
         "START (default: the current directory), full screen at 800x600. START may be a\n"
         "folder, a picture file (shown in its folder) or a container (browsed inside):\n"
         "a D64, D71 or D81 disk image (also gzip'd, .d64.gz), a T64 tape, or a zip, 7z,\n"
         "tar (.tar.gz, .tar.bz2, .tar.xz, .tar.zst), lha or .gz archive, whose folders,\n"
         "pictures and containers (a disk image in a zip) open in turn; PC64 files (.p00,\n"
         "...) show the picture they hold. INPUT and FILE name a file, CONTAINER:N entry N\n"
         "of a container (as list numbers them), CONTAINER:N:M entry M of the container\n"
         "that is entry N. Nothing is ever extracted; a listing stops after 4096 entries or\n"
         "0.5 s of unpacking, and no entry larger than 822400 bytes is read.\n"
         "A picture larger than the screen (a 400-line BFLI, a Pagefox page) starts at its\n"
         "top left and scrolls with the cursor keys, the mouse wheel, Home and End; render\n"
         "and thumbnail write it whole.\n"
         "\n"
         "  --windowed       an 800x600 window instead of full screen (F11 toggles)\n"
         "  --scale N        window size factor, 1 to 8 (default 1)\n"
         "  --integer-scale  scale only by whole multiples, without smoothing\n"
         "  --data-dir DIR   read the artwork and the directory font from DIR\n"
         "  --palette P      read the colours from file P or the shipped preset P (default:\n"
         "                   Velora2003.cfg in the start folder, else\n"
         "                   $XDG_CONFIG_HOME/velora2003/Velora2003.cfg)\n"
         "  --chargen FILE   draw text screens with this C64 character ROM (4096 bytes;\n"
         "                   default: an emulator's, else the program's own characters)\n"
         "  render           write pictures as the viewer renders them, to BMP or PNG; a batch\n"
         "                   into DIR/ uses -j N workers (default: one per CPU) and leaves\n"
         "                   existing files alone unless --overwrite is given; a container in\n"
         "                   a batch gives every picture in it and in the containers inside,\n"
         "                   named NAME-NN-ENTRY (NAME-NN-ENTRY-MM-INNER inside one inside)\n"
         "  thumbnail        write a PNG of the picture alone, its longer side at most SIZE\n"
         "                   pixels (default 256), for file managers\n"
         "  info             print size and format of each picture file or entry; of a\n"
         "                   container, format 0, its kind (D64 35 tracks, D71, D81, T64, ZIP,\n"
         "                   ...), its entries and how many of them are pictures\n"
         "  list             print the entries of a container: a disk's or tape's directory\n"
         "                   (type PRG<: the file's sector chain breaks; SIZE is what can be\n"
         "                   read), an archive's entries by path; names that are no plain\n"
         "                   paths, encrypted entries and damaged archives are told on stderr\n"
         "                   and exit 1\n"
         "  formats          print the picture formats it knows: id, name, sizes, load\n"
         "                   addresses, extensions, packed or not, frames\n"
         "\n"
         "Exit status: 0 done, 1 the input could not be read or shown, 2 bad usage.\n";
}

std::string version_text() {
  return std::string("velora2003 ") + VELORA_VERSION + "\n";
}
