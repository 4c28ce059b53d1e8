#include "viewer/picture_window.h"

#include <algorithm>
#include <cstdio>

#include "display/input.h"
#include "render/work_surfaces.h"

namespace {

int last_first_line(const picture_window& window) {
  return std::max(0, window.canvas.height - window_lines);
}

int last_first_column(const picture_window& window) {
  return std::max(0, window.canvas.width - window_columns);
}

void move_by(picture_window& window, int lines, int columns) {
  window.first_line = std::clamp(window.first_line + lines, 0, last_first_line(window));
  window.first_column = std::clamp(window.first_column + columns, 0, last_first_column(window));
}

}  // namespace

picture_window window_over(canvas_size canvas) {
  return {canvas, 0, 0};
}

bool move_window(picture_window& window, int key) {
  if (!window.scrolls()) return false;
  switch (key) {
    case vk::up:
      move_by(window, -1, 0);
      return true;
    case vk::down:
      move_by(window, 1, 0);
      return true;
    case vk::left:
      move_by(window, 0, -1);
      return true;
    case vk::right:
      move_by(window, 0, 1);
      return true;
    case vk::home:
      window.first_line = window.first_column = 0;
      return true;
    case vk::end:
      window.first_line = last_first_line(window);
      window.first_column = last_first_column(window);
      return true;
    default:
      return false;
  }
}

bool wheel_window(picture_window& window, int wheel) {
  if (!window.scrolls()) return false;
  if (window.canvas.height > window_lines)
    move_by(window, -wheel, 0);
  else
    move_by(window, 0, -wheel);
  return true;
}

std::string_view window_position(const picture_window& window, std::array<char, 64>& text) {
  const int lines = std::min<int>(window_lines, window.canvas.height);
  const int columns = std::min<int>(window_columns, window.canvas.width);
  int length = 0;
  if (window.canvas.height > window_lines)
    length =
        std::snprintf(text.data(), text.size(), "lines %d\u2013%d of %d", window.first_line + 1,
                      window.first_line + lines, int{window.canvas.height});
  if (window.canvas.width > window_columns)
    length +=
        std::snprintf(text.data() + length, text.size() - length, "%scolumns %d\u2013%d of %d",
                      length > 0 ? ", " : "", window.first_column + 1,
                      window.first_column + columns, int{window.canvas.width});
  return {text.data(), static_cast<size_t>(std::max(length, 0))};
}

window_areas areas_of(const picture_window& window) {
  const int x = 2 * window.first_column;
  const int y = 2 * window.first_line;
  const int caption = caption_top_for(window.canvas) - 95;
  return {{x, y, x + 2 * std::min<int>(window_columns, window.canvas.width),
           y + 2 * std::min<int>(window_lines, window.canvas.height)},
          {0, caption, 659, caption + 149}};
}
