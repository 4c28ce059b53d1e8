#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/batch_render.h"
#include "cli/commands.h"
#include "cli/render_job.h"
#include "render/palette_lookup.h"

namespace {

struct render_options {
  std::vector<std::string> inputs;
  std::string output;
  image_kind kind = image_kind::bmp;
  std::optional<image_kind> format;  // --format
  bool batch = false;                // several inputs, or OUTPUT names a folder
  render_settings settings;
  std::optional<std::string> palette_value;
};

constexpr const char* usage =
    "usage: velora2003 render INPUT -o OUTPUT [--mode static|interlaced] [--frame a|b]\n"
    "                         [--inertia 0-10] [--scanline 0-9] [--palette FILE|PRESET]\n"
    "       velora2003 render INPUT... -o DIR/ [--format bmp|png] [options as above]\n";

int bad_usage(console& io, const std::string& reason) {
  io.err << "velora2003: render: " << reason << '\n' << usage;
  return 2;
}

std::optional<uint8_t> index_in_range(std::string_view text, unsigned last) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > last) return std::nullopt;
  return static_cast<uint8_t>(value);
}

bool names_a_folder(const std::string& output) {
  std::error_code ec;
  return output.back() == '/' || std::filesystem::is_directory(output, ec);
}

// The options, or the reason they are not usable.
std::optional<std::string> parse_options(std::span<const std::string_view> args,
                                         render_options& options) {
  bool has_output = false;
  render_settings& settings = options.settings;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool takes_value = arg == "-o" || arg == "--mode" || arg == "--frame" ||
                             arg == "--inertia" || arg == "--scanline" || arg == "--palette" ||
                             arg == "--format";
    if (!takes_value) {
      if (arg.size() > 1 && arg[0] == '-') return "unknown option " + std::string(arg);
      options.inputs.emplace_back(arg);
      continue;
    }
    if (i + 1 == args.size()) return std::string(arg) + " needs a value";
    const std::string_view value = args[++i];
    if (arg == "-o") {
      options.output = value;
      has_output = true;
    } else if (arg == "--mode") {
      if (value != "static" && value != "interlaced") return "--mode is static or interlaced";
      settings.crt.display_mode = value == "static" ? display_static : display_interlaced;
    } else if (arg == "--frame") {
      if (value != "a" && value != "b") return "--frame is a or b";
      settings.frame = value == "a" ? render_target::a : render_target::b;
    } else if (arg == "--inertia") {
      const auto index = index_in_range(value, 10);
      if (!index) return "--inertia is 0 to 10";
      settings.crt.set_inertia_index(*index);
    } else if (arg == "--scanline") {
      const auto index = index_in_range(value, 9);
      if (!index) return "--scanline is 0 to 9";
      settings.crt.set_scanline_index(*index);
    } else if (arg == "--format") {
      if (value != "bmp" && value != "png") return "--format is bmp or png";
      options.format = value == "bmp" ? image_kind::bmp : image_kind::png;
    } else {
      options.palette_value = std::string(value);
    }
  }
  if (options.inputs.empty()) return "no INPUT";
  if (!has_output || options.output.empty()) return "no -o OUTPUT";
  options.batch = options.inputs.size() > 1 || names_a_folder(options.output);
  if (options.batch) {
    if (options.inputs.size() > 1 && !names_a_folder(options.output))
      return "several inputs need an output folder (end OUTPUT with /)";
    options.kind = options.format.value_or(image_kind::bmp);
    return std::nullopt;
  }
  const std::optional<image_kind> kind = image_kind_of(options.output);
  if (!kind) return "OUTPUT must end in .bmp or .png";
  if (options.format && *options.format != *kind) return "--format differs from OUTPUT's extension";
  options.kind = *kind;
  return std::nullopt;
}

// The palette as the viewer's start-up loads it; false when --palette names nothing.
bool load_render_palette(const render_options& options, const std::string& data_dir, console& io,
                         palette_colours& palette) {
  std::optional<std::string> chosen;
  if (options.palette_value) {
    const result<std::string> choice = resolve_palette_argument(*options.palette_value, data_dir);
    if (!choice) {
      io.err << "velora2003: render: " << choice.error() << '\n';
      return false;
    }
    chosen = *choice;
  }
  palette = default_palette;
  const std::optional<std::string> path =
      palette_file_to_load(chosen, ".", palette_environment_from_process());
  if (!path) return true;
  const palette_load_status status = load_palette(*path, palette);
  if (status == palette_load_status::no_file && chosen) {
    io.err << "velora2003: render: cannot read palette file " << *chosen << '\n';
    return false;
  }
  if (status == palette_load_status::read_beyond_end) io.err << read_beyond_end_of_file << ".\n";
  return true;
}

int render_one(const render_options& options, console& io) {
  const auto work = std::make_unique<render_workspace>();
  const result<> rendered =
      render_to_file(options.inputs.front(), options.output, options.kind, options.settings, *work);
  if (rendered) return 0;
  io.err << "velora2003: render: " << options.inputs.front() << ": " << rendered.error() << '\n';
  return 1;
}

// "[12/340] name" over the previous line, on a terminal only.
void show_progress(std::ostream& err, size_t finished, size_t total, const std::string& input) {
  err << "\r[" << finished << '/' << total << "] " << input << "\033[K";
  if (finished == total) err << '\n';
  err.flush();
}

int render_batch(const render_options& options, console& io) {
  std::error_code ec;
  std::filesystem::create_directories(options.output, ec);
  if (ec) {
    io.err << "velora2003: render: " << options.output << ": " << ec.message() << '\n';
    return 1;
  }
  const batch_plan plan = plan_batch(options.inputs, options.output, options.kind);
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  batch_progress progress;
  if (io.err_is_terminal)
    progress = [&io](size_t finished, size_t total, const std::string& input) {
      show_progress(io.err, finished, total, input);
    };
  const batch_report report = run_batch(plan, options.kind, options.settings, threads, progress);
  io.err << "velora2003: render: " << report.done << " done, " << report.failed.size()
         << " skipped\n";
  for (const batch_failure& failure : report.failed)
    io.err << "  skipped " << failure.input << ": " << failure.reason << '\n';
  return report.failed.empty() ? 0 : 1;
}

}  // namespace

int run_render_command(std::span<const std::string_view> args, const std::string& data_dir,
                       console& io) {
  render_options options;
  if (const auto reason = parse_options(args, options)) return bad_usage(io, *reason);
  if (!load_render_palette(options, data_dir, io, options.settings.palette)) return 2;
  return options.batch ? render_batch(options, io) : render_one(options, io);
}
