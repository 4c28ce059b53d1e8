#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "display/canvas.h"
#include "display/export_bitmap.h"
#include "formats/bmp_file.h"
#include "formats/format_table.h"
#include "formats/png_file.h"
#include "render/picture_chain.h"
#include "shell/commands.h"
#include "shell/render_input.h"

namespace {

enum class output_kind : uint8_t { bmp, png };

struct render_options {
  std::string input;
  std::string output;
  output_kind kind = output_kind::bmp;
  uint8_t display_mode = display_static;
  render_target frame = render_target::a;
  uint8_t inertia_index = 5;
  uint8_t scanline_index = 6;
  std::optional<std::string> palette_file;
};

// Everything one render needs, all zero at the start as at program start.
struct render_buffers {
  picture_model model;
  chunky_buffers chunky;
  file_buffer file;
};

constexpr const char* usage =
    "usage: velora2003 render INPUT -o OUTPUT [--mode static|interlaced] [--frame a|b]\n"
    "                         [--inertia 0-10] [--scanline 0-9] [--palette FILE]\n";

int bad_usage(const std::string& reason) {
  std::fprintf(stderr, "velora2003: render: %s\n%s", reason.c_str(), usage);
  return 2;
}

bool ends_with_ignoring_case(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != suffix[i]) return false;
  }
  return true;
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

// The options, or the reason they are not usable.
std::optional<std::string> parse_options(std::span<const std::string_view> args,
                                         render_options& options) {
  bool has_input = false, has_output = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool takes_value = arg == "-o" || arg == "--mode" || arg == "--frame" ||
                             arg == "--inertia" || arg == "--scanline" || arg == "--palette";
    if (!takes_value) {
      if (arg.size() > 1 && arg[0] == '-') return "unknown option " + std::string(arg);
      if (has_input) return "more than one input";
      options.input = arg;
      has_input = true;
      continue;
    }
    if (i + 1 == args.size()) return std::string(arg) + " needs a value";
    const std::string_view value = args[++i];
    if (arg == "-o") {
      options.output = value;
      has_output = true;
    } else if (arg == "--mode") {
      if (value != "static" && value != "interlaced") return "--mode is static or interlaced";
      options.display_mode = value == "static" ? display_static : display_interlaced;
    } else if (arg == "--frame") {
      if (value != "a" && value != "b") return "--frame is a or b";
      options.frame = value == "a" ? render_target::a : render_target::b;
    } else if (arg == "--inertia") {
      const auto index = index_in_range(value, 10);
      if (!index) return "--inertia is 0 to 10";
      options.inertia_index = *index;
    } else if (arg == "--scanline") {
      const auto index = index_in_range(value, 9);
      if (!index) return "--scanline is 0 to 9";
      options.scanline_index = *index;
    } else {
      options.palette_file = std::string(value);
    }
  }
  if (!has_input) return "no INPUT";
  if (!has_output || options.output.empty()) return "no -o OUTPUT";
  if (ends_with_ignoring_case(options.output, ".bmp"))
    options.kind = output_kind::bmp;
  else if (ends_with_ignoring_case(options.output, ".png"))
    options.kind = output_kind::png;
  else
    return "OUTPUT must end in .bmp or .png";
  return std::nullopt;
}

// The palette as start-up loads it; false when an asked-for palette file cannot be read.
bool load_render_palette(const render_options& options, palette_colours& palette) {
  const std::string path = options.palette_file.value_or(std::string(palette_config_name));
  const palette_load_status status = load_palette(path, palette);
  if (status == palette_load_status::no_file && options.palette_file) return false;
  if (status == palette_load_status::read_beyond_end)
    std::fprintf(stderr, "%.*s.\n", static_cast<int>(read_beyond_end_of_file.size()),
                 read_beyond_end_of_file.data());
  return true;
}

int cannot_show(const std::string& input, const std::string& reason) {
  std::fprintf(stderr, "velora2003: render: %s: %s\n", input.c_str(), reason.c_str());
  return 1;
}

file_write_result write_output(const render_options& options, const surface& work_surface) {
  if (options.kind == output_kind::png) return write_png_file(options.output, work_surface);
  export_bitmap bitmap;
  bitmap.take_surface(work_surface);
  return write_bmp_file(options.output, bitmap);
}

}  // namespace

int run_render_command(std::span<const std::string_view> args) {
  render_options options;
  if (const auto reason = parse_options(args, options)) return bad_usage(*reason);

  palette_colours palette = default_palette;
  if (!load_render_palette(options, palette)) {
    std::fprintf(stderr, "velora2003: render: cannot read palette file %s\n",
                 options.palette_file->c_str());
    return 2;
  }

  const auto buffers = std::make_unique<render_buffers>();
  const render_input input = read_render_input(options.input, buffers->file);
  if (!input.ok) return cannot_show(options.input, input.error);
  const format_entry* format = format_by_id(format_id_by_size(input.size));
  if (format == nullptr)
    return cannot_show(options.input,
                       "a size of " + std::to_string(input.size) + " bytes names no format");
  if (format->loader == nullptr)
    return cannot_show(options.input, "\"" + std::string(format->name) + "\" cannot be shown");
  if (input.bytes_read < input.size)
    return cannot_show(options.input, "fewer bytes could be read than the file's size");

  app_state state;
  state.display_mode = options.display_mode;
  state.set_inertia_index(options.inertia_index);
  state.set_scanline_index(options.scanline_index);
  state.format_id = format->id;
  state.current_picture_name = input.picture_name;
  surface work_surface_a = create_surface(screen_width, screen_height);
  surface work_surface_b = create_surface(screen_width, screen_height);
  picture_context context{buffers->model, buffers->chunky, palette,
                          state,          work_surface_a,  work_surface_b};
  render_picture(*format, buffers->file, context);

  const file_write_result written =
      write_output(options, options.frame == render_target::a ? work_surface_a : work_surface_b);
  if (!written.ok) return cannot_show(options.output, written.error);
  return 0;
}
