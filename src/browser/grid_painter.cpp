#include "browser/grid_painter.h"

#include <algorithm>
#include <string>

#include "browser/row_kind.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

void set_solid(surface& s, uint32_t colour) {
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = colour;
  s.canvas.pen_colour = colour;
}

constexpr int pc64_name_gap = 8;

// Host names in bold Arial; C64 names in the directory font, byte for byte.
void set_face(canvas_font& font, bool c64_name) {
  font.face = c64_name ? directory_font_face : "Arial";
  font.size_pt = c64_name ? 10 : 8;
  font.bold = !c64_name;
}

uint32_t text_colour(const tdir& grid, int col, int row) {
  uint32_t colour = col == 3 && row != 0 ? grid_format_text_colour : grid_text_colour;
  if (col == 0 || col == 1) {
    const row_kind kind = kind_of_row(grid, row);
    if (kind == row_kind::directory) colour = grid_dir_text_colour;
    if (kind == row_kind::drive) colour = grid_drive_text_colour;
    if (opens_container(kind)) colour = grid_d64_text_colour;
  }
  return colour;
}

void paint_row(surface& target, const tdir& grid, int row, int y) {
  int x = 0;
  for (int col = 0; col < 4; ++col) {
    const int width = grid_column_widths[static_cast<size_t>(col)];
    tdirDrawCell(target, grid, col, row, rect{x, y, x + width, y + grid_row_height});
    x += width;
  }
}

}  // namespace

void tdirDrawCell(surface& target, const tdir& grid, int col, int row, const rect& cell) {
  set_solid(target, row == 0 ? grid_header_colour : grid_background_colour);
  draw_rect(target, cell.x1, cell.y1, cell.x2, cell.y2);
  if (row != 0 && row == grid.selected_row) {
    set_solid(target, grid_selection_bar_colour);
    draw_rect(target, cell.x1, cell.y1, cell.x2, cell.y2);
    target.canvas.pen_colour = grid_selection_line_colour;
    draw_line(target, cell.x1, cell.y1, cell.x2, cell.y1);
    draw_line(target, cell.x1, cell.y2 - 1, cell.x2, cell.y2 - 1);
  }
  target.canvas.brush = brush_style::clear;

  const std::string& text = tdir_cell(grid, col, row);
  if (text.empty()) return;
  canvas_font& font = target.canvas.font;
  font.colour = text_colour(grid, col, row);
  // The files of a disk image or tape show their names in the directory font.
  const row_kind kind = kind_of_row(grid, row);
  const bool entry_name =
      col == 0 && (kind == row_kind::image_program || kind == row_kind::image_other);
  set_face(font, entry_name);
  draw_text_clipped(target, cell, cell.x1 + 5, cell.y1 + (entry_name ? 4 : 0), text);
  // A PC64 file's own C64 name follows its host name.
  const std::string& c64_name = tdir_row(grid, row).c64_name;
  if (col == 0 && kind == row_kind::pc64_file && !c64_name.empty()) {
    const int x = cell.x1 + 5 + text_width(target, text) + pc64_name_gap;
    set_face(font, true);
    draw_text_clipped(target, cell, x, cell.y1 + 4, c64_name);
  }
}

void paint_grid(surface& target, const tdir& grid) {
  fill_surface(target, canvas_to_pixel(grid_background_colour));
  paint_row(target, grid, 0, 0);
  int y = grid_row_height;
  for (int row = grid.top_row; row < grid.row_count && y < target.height; ++row) {
    paint_row(target, grid, row, y);
    y += grid_row_height;
  }
}
