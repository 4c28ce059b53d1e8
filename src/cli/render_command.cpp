#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "base/escaped_text.h"
#include "base/quit_signal.h"
#include "cli/batch_render.h"
#include "cli/commands.h"
#include "cli/render_input.h"
#include "cli/render_options.h"
#include "render/character_rom_lookup.h"
#include "render/palette_lookup.h"

namespace {

constexpr const char* usage =
    "usage: velora2003 render INPUT -o OUTPUT [--mode static|interlaced] [--frame a|b]\n"
    "                         [--inertia 0-10] [--scanline 0-9] [--palette FILE|PRESET]\n"
    "                         [--chargen FILE]\n"
    "       velora2003 render INPUT... -o DIR/ [--format bmp|png] [-j N] [--overwrite]\n"
    "                         [options as above]\n";

int bad_usage(console& io, const std::string& reason) {
  io.err << "velora2003: render: " << escaped_text(reason) << '\n' << usage;
  return 2;
}

// The palette as the viewer's start-up loads it; false when --palette names nothing.
bool load_render_palette(const render_options& options, const std::string& data_dir, console& io,
                         palette_colours& palette) {
  std::optional<std::string> chosen;
  if (options.palette_value) {
    const result<std::string> choice = resolve_palette_argument(*options.palette_value, data_dir);
    if (!choice) {
      io.err << "velora2003: render: " << escaped_text(choice.error()) << '\n';
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
    io.err << "velora2003: render: cannot read palette file " << escaped_text(*chosen) << '\n';
    return false;
  }
  if (status == palette_load_status::read_beyond_end) io.err << read_beyond_end_of_file << ".\n";
  return true;
}

int render_one(const render_options& options, console& io) {
  const std::string& input = options.inputs.front();
  if (output_is_input(options.output, input)) {
    io.err << "velora2003: render: " << escaped_text(options.output)
           << ": is the input file; it is not replaced\n";
    return 1;
  }
  render_workspace& work = program_workspace();
  const result<> rendered =
      render_to_file(input, options.output, options.kind, options.settings, work);
  if (!rendered) {
    io.err << "velora2003: render: " << escaped_text(input) << ": "
           << escaped_text(describe(rendered.why())) << '\n';
    return 1;
  }
  return quit_signal_received() ? quit_signal_exit_status() : 0;
}

// "[12/340] name" over the previous line, on a terminal only.
void show_progress(std::ostream& err, size_t finished, size_t total, const std::string& input) {
  err << "\r[" << finished << '/' << total << "] " << escaped_text(input) << "\033[K";
  if (finished == total) err << '\n';
  err.flush();
}

void print_summary(const batch_report& report, console& io) {
  io.err << "velora2003: render: " << report.done << " done, " << report.failed.size()
         << " skipped";
  if (!report.left_alone.empty()) io.err << ", " << report.left_alone.size() << " left alone";
  if (report.not_started != 0) io.err << ", " << report.not_started << " not started (stopped)";
  io.err << '\n';
  for (const batch_failure& failure : report.failed)
    io.err << "  skipped " << escaped_text(failure.input) << ": " << escaped_text(failure.reason)
           << '\n';
  for (const std::string& output : report.left_alone)
    io.err << "  left alone " << escaped_text(output) << ": it exists (--overwrite replaces it)\n";
}

int render_batch(const render_options& options, console& io) {
  std::error_code ec;
  std::filesystem::create_directories(options.output, ec);
  if (ec) {
    io.err << "velora2003: render: " << escaped_text(options.output) << ": " << ec.message()
           << '\n';
    return 1;
  }
  const batch_plan plan = plan_batch(options.inputs, options.output, options.kind);
  const unsigned cpus = available_cpus();
  const unsigned workers = batch_workers(options.jobs, cpus);
  if (workers < options.jobs)
    io.err << "velora2003: render: -j " << options.jobs << ": " << workers
           << (workers == 1 ? " worker, " : " workers, ")
           << (workers < cpus ? "the most a batch runs" : "one per CPU it can run on") << '\n';
  const batch_settings settings{.kind = options.kind,
                                .render = options.settings,
                                .workers = workers,
                                .overwrite = options.overwrite};
  batch_progress progress;
  if (io.err_is_terminal)
    progress = [&io](size_t finished, size_t total, const std::string& input) {
      show_progress(io.err, finished, total, input);
    };
  const batch_report report = run_batch(plan, settings, progress);
  print_summary(report, io);
  if (quit_signal_received()) return quit_signal_exit_status();
  return report.failed.empty() && report.left_alone.empty() ? 0 : 1;
}

}  // namespace

int run_render_command(std::span<const std::string_view> args, const std::string& data_dir,
                       console& io) {
  result<render_options> options = parse_render_options(args);
  if (!options) return bad_usage(io, options.error());
  if (!load_render_palette(*options, data_dir, io, options->settings.palette)) return 2;
  // A ROM the user names is read before anything is drawn; any other only for a text screen.
  if (options->chargen_file) {
    const result<character_rom> rom = read_character_rom(*options->chargen_file);
    if (!rom) {
      io.err << "velora2003: render: cannot read character ROM " << rom.error() << '\n';
      return 2;
    }
    options->settings.rom = *rom;
  }
  options->settings.rom_data_dir = data_dir;
  return options->batch ? render_batch(*options, io) : render_one(*options, io);
}
