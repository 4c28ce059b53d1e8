#include "imaging/picture_image.h"

#include <algorithm>

#include "formats/identify.h"
#include "render/character_rom_lookup.h"
#include "render/pixel_decoding.h"

namespace {

// The format's name without its resolution or "packed": "Koala Painter GG", "Draz Lace".
std::string_view stream_name(const format_entry& format) {
  std::string_view name = format.name;
  name = name.substr(0, name.rfind(' '));
  if (name.ends_with(" packed")) name.remove_suffix(7);
  return name;
}

}  // namespace

std::string no_format_text(std::string_view name, int64_t size) {
  const format_entry* packed = packed_format_named_by(name);
  if (packed == nullptr) return "a size of " + std::to_string(size) + " bytes names no format";
  std::string sizes = std::to_string(packed->unpacked_size);
  if (packed->longer_unpacked_size != 0)
    sizes += " or " + std::to_string(packed->longer_unpacked_size);
  return "the " + std::string(stream_name(*packed)) + " stream does not unpack to " + sizes +
         " bytes";
}

// The bytes are in memory: without a name, every format their content names is tried, as in
// a disk image.
result<picture_image> draw_picture_file(std::span<const uint8_t> bytes, std::string_view name,
                                        const palette_colours& palette, picture_workspace& work) {
  if (bytes.size() > most_picture_file_bytes)
    return failure{"the file is larger than any C64 picture"};
  clear_picture_workspace(work);
  std::copy(bytes.begin(), bytes.end(), work.file.bytes.begin());
  const auto size = static_cast<uint32_t>(bytes.size());
  const file_peek peek = [&](uint32_t count) { return bytes.first(std::min(count, size)); };
  const uint8_t id = name.empty() ? identify_by_content(size, peek, file_place::disk_image)
                                  : identify_file(name, size, peek);
  const format_entry* format = format_by_id(id);
  if (format == nullptr) return failure{no_format_text(name, size)};
  return draw_loaded_picture(*format, size, palette, work);
}

result<picture_image> draw_loaded_picture(const format_entry& format, uint32_t size,
                                          const palette_colours& palette, picture_workspace& work) {
  if (work.rom_data_dir != nullptr && draws_with_character_rom(format.arrange))
    work.model.rom = found_character_rom(work.rom_data_dir);
  if (const result<> loaded = load_picture(format, work.file, size, work.unpacked, work.model);
      !loaded)
    return failure{format.arrange != arrangement::none
                       ? loaded.error()
                       : "the packed picture does not unpack to its format's size"};
  const crt_settings crt;
  picture_context context{work.model,           work.chunky,          palette, crt,
                          *work.work_surface_a, *work.work_surface_b, {}};
  draw_picture(format, context);
  const canvas_size canvas = work.model.canvas;
  return picture_image{&*work.work_surface_a, {0, 0, 2 * canvas.width, 2 * canvas.height}};
}

void copy_picture_rgb(const picture_image& picture, uint8_t* rows, size_t row_bytes) {
  for (int y = 0; y < picture.height(); ++y) {
    uint8_t* out = rows + static_cast<size_t>(y) * row_bytes;
    for (int x = 0; x < picture.width(); ++x) {
      const uint32_t pixel = picture.frame->at(picture.area.x1 + x, picture.area.y1 + y);
      *out++ = static_cast<uint8_t>(pixel >> 16);
      *out++ = static_cast<uint8_t>(pixel >> 8);
      *out++ = static_cast<uint8_t>(pixel);
    }
  }
}
