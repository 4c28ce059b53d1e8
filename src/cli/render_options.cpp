#include "cli/render_options.h"

#include <filesystem>
#include <system_error>

#include "base/whole_number.h"

namespace {

bool names_a_folder(const std::string& output) {
  std::error_code ec;
  return output.back() == '/' || std::filesystem::is_directory(output, ec);
}

constexpr int most_jobs = 256;

// Applies one option and its value; fails with why the value is not usable.
result<> apply_option(std::string_view option, std::string_view value, render_options& options,
                      std::optional<image_kind>& format) {
  render_settings& settings = options.settings;
  if (option == "-o") {
    options.output = value;
  } else if (option == "--mode") {
    if (value != "static" && value != "interlaced")
      return failure{"--mode is static or interlaced"};
    settings.crt.display_mode = value == "static" ? display_static : display_interlaced;
  } else if (option == "--frame") {
    if (value != "a" && value != "b") return failure{"--frame is a or b"};
    settings.frame = value == "a" ? render_target::a : render_target::b;
  } else if (option == "--inertia") {
    const auto index = whole_number_in(value, 0, 10);
    if (!index) return failure{"--inertia is 0 to 10"};
    settings.crt.set_inertia_index(static_cast<uint8_t>(*index));
  } else if (option == "--scanline") {
    const auto index = whole_number_in(value, 0, 9);
    if (!index) return failure{"--scanline is 0 to 9"};
    settings.crt.set_scanline_index(static_cast<uint8_t>(*index));
  } else if (option == "--format") {
    if (value != "bmp" && value != "png") return failure{"--format is bmp or png"};
    format = value == "bmp" ? image_kind::bmp : image_kind::png;
  } else if (option == "-j") {
    const auto jobs = whole_number_in(value, 1, most_jobs);
    if (!jobs) return failure{"-j is a number of workers from 1 to 256"};
    options.jobs = static_cast<unsigned>(*jobs);
  } else if (option == "--chargen") {
    options.chargen_file = std::string(value);
  } else {
    options.palette_value = std::string(value);
  }
  return {};
}

bool takes_value(std::string_view arg) {
  for (std::string_view option : {"-o", "--mode", "--frame", "--inertia", "--scanline", "--palette",
                                  "--chargen", "--format", "-j"})
    if (arg == option) return true;
  return false;
}

}  // namespace

result<render_options> parse_render_options(std::span<const std::string_view> args) {
  render_options options;
  std::optional<image_kind> format;
  bool has_output = false;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || arg == "-" || !arg.starts_with('-')) {
      options.inputs.emplace_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--overwrite") {
      options.overwrite = true;
    } else if (arg.starts_with("-j") && arg.size() > 2) {
      // -j4 as make takes it.
      if (const result<> applied = apply_option("-j", arg.substr(2), options, format); !applied)
        return failure{applied.error()};
    } else if (!takes_value(arg)) {
      return failure{"unknown option " + std::string(arg)};
    } else if (i + 1 == args.size()) {
      return failure{std::string(arg) + " needs a value"};
    } else {
      has_output = has_output || arg == "-o";
      if (const result<> applied = apply_option(arg, args[++i], options, format); !applied)
        return failure{applied.error()};
    }
  }
  if (options.inputs.empty()) return failure{"no INPUT"};
  if (!has_output || options.output.empty()) return failure{"no -o OUTPUT"};
  options.batch = options.inputs.size() > 1 || names_a_folder(options.output);
  if (options.batch) {
    if (options.inputs.size() > 1 && !names_a_folder(options.output))
      return failure{"several inputs need an output folder (end OUTPUT with /)"};
    options.kind = format.value_or(image_kind::bmp);
    return options;
  }
  const std::optional<image_kind> kind = image_kind_of(options.output);
  if (!kind) return failure{"OUTPUT must end in .bmp or .png"};
  if (format && *format != *kind) return failure{"--format differs from OUTPUT's extension"};
  options.kind = *kind;
  return options;
}
