#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "base/escaped_text.h"
#include "browser/row_kind.h"
#include "formats/format_table.h"
#include "formats/picture_file.h"
#include "output/image_export.h"
#include "render/caption.h"
#include "render/picture_chain.h"
#include "render/work_surfaces.h"
#include "surface/canvas.h"
#include "viewer/form.h"

namespace {

// The size the listing showed for the row; 0 when its cell holds no number.
uint32_t listed_size(const std::string& size_text) {
  uint32_t size = 0;
  std::from_chars(size_text.data(), size_text.data() + size_text.size(), size);
  return size;
}

}  // namespace

result<uint32_t> TForm1::read_row_file(int row, picture_source source) {
  const grid_row& shown_row = tdir_row(tdir_browser.grid, row);
  uint32_t size = 0;
  if (source == picture_source::HOST_FILE) {
    // A file gone or shortened since the listing is refused rather than shown with the bytes
    // of the previous picture.
    const result<uint32_t> read = read_picture_file(shown_row.host_name, memory_.file);
    if (!read) return failure{"Cannot read file " + escaped_text(shown_row.host_name)};
    size = *read;
  } else {
    const result<entry_bytes> read =
        containers_.read(shown_row.entry, std::span(memory_.file.bytes));
    if (!read)
      return failure{"Cannot read " + escaped_text(shown_row.cells[0]) + ": " + read.error()};
    size = static_cast<uint32_t>(read->size);
  }
  // A PC64 file's picture follows its header.
  if (kind_of_row(tdir_browser.grid, row) == row_kind::pc64_file) {
    size = size > pc64_header_size ? size - pc64_header_size : 0;
    std::memmove(memory_.file.bytes.data(), memory_.file.bytes.data() + pc64_header_size, size);
  }
  if (size < listed_size(shown_row.cells[2]))
    return failure{"Cannot read file " + escaped_text(source == picture_source::HOST_FILE
                                                          ? shown_row.host_name
                                                          : shown_row.cells[0])};
  return size;
}

bool TForm1::show_picture(int row, picture_source source) {
  const format_entry* format = format_by_id(state_.format_id);
  if (format == nullptr || !tdir_has_row(tdir_browser.grid, row)) return false;
  const grid_row& shown_row = tdir_row(tdir_browser.grid, row);

  const result<uint32_t> read = read_row_file(row, source);
  if (!read) {
    tell(read.error());
    return false;
  }
  const uint32_t file_size = *read;
  // A packed file that no longer unpacks cleanly is refused as an unreadable one is.
  if (!load_picture(*format, memory_.file, file_size, memory_.unpacked, memory_.model)) {
    tell("Cannot read file " + escaped_text(source == picture_source::HOST_FILE
                                                ? shown_row.host_name
                                                : shown_row.cells[0]));
    return false;
  }
  state_.current_picture_name = shown_row.cells[0];

  // render_picture clears the work surfaces.
  fill_surface(DXDraw.display_surface, 0);
  picture_context context{memory_.model,
                          memory_.chunky,
                          palette_,
                          state_.crt,
                          work_surface_a_,
                          work_surface_b_,
                          {state_.current_picture_name, format->name},
                          state_.two_surface_picture};
  render_picture(*format, context);
  state_.two_surface_picture = context.two_surface_picture;
  state_.window = window_over(memory_.model.canvas);
  show_window_position();

  grid_visible_ = false;
  state_.picture_shown = true;
  return true;
}

void TForm1::show_window_position() {
  if (!state_.window.scrolls()) return;
  std::array<char, 64> text;
  const std::string_view position = window_position(state_.window, text);
  const int top = caption_top_for(state_.window.canvas);
  draw_caption_position(work_surface_a_, top, position);
  draw_caption_position(work_surface_b_, top, position);
}

void TForm1::export_bmp(const std::string& file_name) {
  const result<> written = save_surface(file_name, work_surface_a_,
                                        image_kind_of(file_name).value_or(image_kind::bmp), DXDIB);
  if (!written) tell(written.error());
}
