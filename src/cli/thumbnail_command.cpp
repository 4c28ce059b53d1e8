#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/escaped_text.h"
#include "base/ready_room.h"
#include "base/regular_file.h"
#include "base/whole_number.h"
#include "cli/commands.h"
#include "cli/render_input.h"
#include "containers/container_path.h"
#include "imaging/file_image.h"
#include "imaging/viewer_palette.h"
#include "output/image_export.h"
#include "output/png_file.h"
#include "surface/surface_shrink.h"

namespace {

constexpr const char* usage = "usage: velora2003 thumbnail [-s SIZE] INPUT OUTPUT.png\n";
constexpr int default_longest_side = 256;
constexpr int most_longest_side = 4096;

int bad_usage(console& io, const std::string& reason) {
  io.err << "velora2003: thumbnail: " << escaped_text(reason) << '\n' << usage;
  return 2;
}

struct thumbnail_workspace {
  picture_workspace work;
  std::unique_ptr<container_stack> containers;  // made for the first container that comes
  std::array<uint8_t, max_entry_size + 1> input{};
};

// All zero until a picture is drawn: in static storage, it is neither written nor mapped
// before then.
constinit thumbnail_workspace program_space;

// An entry of a container (CONTAINER:N), read and told as the render command reads it; its
// palette is the container's folder's.
result<picture_image> draw_entry(const std::string& input, const container_path& named,
                                 thumbnail_workspace& space) {
  clear_picture_workspace(space.work);
  const result<render_input> entry = read_render_input(input, space.work.file, space.containers);
  if (!entry) return entry.why();
  const format_entry* format = format_by_id(entry->format_id);
  if (format == nullptr) return failure{no_format_text(input, entry->size)};
  return draw_loaded_picture(*format, entry->bytes_read, viewer_palette_for(named.file),
                             space.work);
}

// A host file: one byte more than the most a file of its name may have is read, so that too
// large a file shows.
result<picture_image> draw_thumbnail_picture(const std::string& input, thumbnail_workspace& space) {
  if (const std::optional<container_path> named = parse_container_path(input))
    return draw_entry(input, *named, space);
  const std::span<uint8_t> room = std::span(space.input).first(most_file_bytes(input) + 1);
  const result<size_t> read = read_file_start(input, room);
  if (!read) return read.why();
  return draw_file_image(room.first(*read), input, viewer_palette_for(input), space.work,
                         space.containers);
}

}  // namespace

int run_thumbnail_command(std::span<const std::string_view> args, const std::string& data_dir,
                          console& io) {
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
  if (image_kind_of(output) != image_kind::png)
    return bad_usage(io, output + ": a thumbnail is a PNG file (OUTPUT.png)");
  if (output_is_input(output, input)) {
    io.err << "velora2003: thumbnail: " << escaped_text(output)
           << ": is the input file; it is not replaced\n";
    return 1;
  }

  // Text screens are drawn with the ROM the viewer would find, else ours.
  program_space.work.rom_data_dir = data_dir.c_str();
  const result<picture_image> picture = draw_thumbnail_picture(input, program_space);
  if (!picture) {
    io.err << "velora2003: thumbnail: " << escaped_text(input) << ": "
           << escaped_text(describe(picture.why())) << '\n';
    return 1;
  }
  const shrunk_size size = fit_within(picture->width(), picture->height(), longest);
  surface thumbnail = create_surface(size.width, size.height);
  ready_pages(thumbnail.pixels.data(), thumbnail.pixels.size() * sizeof(uint32_t));
  shrink_area(*picture->frame, picture->area, thumbnail);
  // A thumbnail service may have made OUTPUT and read it back through its own descriptor.
  const result<> written = write_png_file(output, thumbnail, {.in_place = true});
  if (!written) {
    io.err << "velora2003: thumbnail: " << escaped_text(output) << ": "
           << escaped_text(describe(written.why())) << '\n';
    return 1;
  }
  return 0;
}
