#include "imaging/file_image.h"

#include <string>

#include "containers/container_name.h"
#include "listing/container_rows.h"

namespace {

// The first entry of the container opened last, in its listing's order, whose picture can be
// shown, drawn.
result<picture_image> draw_first_picture(const container_type& type, const palette_colours& palette,
                                         picture_workspace& work, container_stack& opened) {
  container_listing listing;
  list_all_entries(opened, listing);
  for (const entry_row& row : listing.rows) {
    if (!row_shows_picture(row)) continue;
    clear_picture_workspace(work);
    const result<entry_bytes> read = opened.read(row.entry, work.file.bytes);
    if (!read) continue;
    const entry_picture picture = place_entry_picture(opened, *read, work.file);
    const format_entry* format = format_by_id(picture.format_id);
    if (format == nullptr) continue;
    result<picture_image> drawn =
        draw_loaded_picture(*format, static_cast<uint32_t>(picture.size), palette, work);
    if (drawn) return drawn;
  }
  return failure{"the " + std::string(container_kind_text(type.kind)) +
                 " holds no picture that can be shown"};
}

}  // namespace

size_t most_file_bytes(std::string_view name) {
  return container_type_of(name) ? max_entry_size : most_picture_file_bytes;
}

result<picture_image> draw_file_image(std::span<const uint8_t> bytes, std::string_view name,
                                      const palette_colours& palette, picture_workspace& work,
                                      std::unique_ptr<container_stack>& opened) {
  if (const std::optional<container_type> type = container_type_of(name)) {
    if (bytes.size() > max_entry_size)
      return failure{"the file is larger than any container that is read"};
    if (!opened) opened = std::make_unique<container_stack>();
    const result<> open = opened->open_bytes(std::string(name), bytes);
    if (open) return draw_first_picture(*type, palette, work, *opened);
    // A PC64 name on a file without the header is a picture file (a Picasso 64 ".p64").
    if (type->kind != container_kind::pc64)
      return failure{"cannot read the " + std::string(container_kind_text(type->kind)) + ": " +
                     describe(open.why())};
  }
  return draw_picture_file(bytes, name, palette, work);
}
