#include <filesystem>
#include <optional>
#include <string>

#include "base/escaped_text.h"
#include "base/whole_number.h"
#include "cli/commands.h"
#include "cli/render_input.h"
#include "cli/render_job.h"
#include "output/png_file.h"
#include "render/palette_lookup.h"
#include "surface/surface_shrink.h"

namespace {

constexpr const char* usage = "usage: velora2003 thumbnail [-s SIZE] INPUT OUTPUT.png\n";
constexpr int default_longest_side = 256;
constexpr int most_longest_side = 4096;

int bad_usage(console& io, const std::string& reason) {
  io.err << "velora2003: thumbnail: " << escaped_text(reason) << '\n' << usage;
  return 2;
}

// The palette the viewer would show the picture with, opened in the picture's own folder.
void load_viewer_palette(const std::string& input, palette_colours& palette) {
  const std::string folder = std::filesystem::path(input).parent_path().string();
  const std::optional<std::string> path = palette_file_to_load(
      std::nullopt, folder.empty() ? "." : folder, palette_environment_from_process());
  if (path) (void)load_palette(*path, palette);
}

}  // namespace

int run_thumbnail_command(std::span<const std::string_view> args, console& io) {
  int longest = default_longest_side;
  std::vector<std::string> names;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!options_ended && arg == "--") {
      options_ended = true;
    } else if (!options_ended && arg == "-s") {
      if (i + 1 == args.size()) return bad_usage(io, "-s needs a size");
      const std::optional<int> size = whole_number_in(args[++i], 1, most_longest_side);
      if (!size) return bad_usage(io, "-s is a number of pixels from 1 to 4096");
      longest = *size;
    } else if (!options_ended && arg.size() > 1 && arg.starts_with('-')) {
      return bad_usage(io, "unknown option '" + std::string(arg) + "'");
    } else {
      names.emplace_back(arg);
    }
  }
  if (names.size() != 2) return bad_usage(io, "an input and an output file are needed");
  const std::string& input = names[0];
  const std::string& output = names[1];
  if (output_is_input(output, input)) {
    io.err << "velora2003: thumbnail: " << escaped_text(output)
           << ": is the input file; it is not replaced\n";
    return 1;
  }

  render_workspace& work = program_workspace();
  render_settings settings;
  settings.caption = false;
  load_viewer_palette(input, settings.palette);
  const result<const surface*> frame = render_to_surface(input, settings, work);
  if (!frame) {
    io.err << "velora2003: thumbnail: " << escaped_text(input) << ": "
           << escaped_text(describe(frame.why())) << '\n';
    return 1;
  }
  // The picture lies on the work surface from (0, 0), each of its pixels drawn 2 x 2.
  const rect picture_area{0, 0, 2 * work.model.canvas.width, 2 * work.model.canvas.height};
  const shrunk_size size = fit_within(picture_area.x2, picture_area.y2, longest);
  surface thumbnail = create_surface(size.width, size.height);
  shrink_area(**frame, picture_area, thumbnail);
  const result<> written = write_png_file(output, thumbnail);
  if (!written) {
    io.err << "velora2003: thumbnail: " << escaped_text(output) << ": "
           << escaped_text(describe(written.why())) << '\n';
    return 1;
  }
  return 0;
}
