#include "gui/scroll_indicator.h"

#include <algorithm>
#include <cstdint>

#include "gui/furniture_style.h"
#include "surface/canvas.h"

namespace {

constexpr int track_span = 443;  // the thumb length of a list that fits the window
constexpr int track_top = 87;
constexpr int track_bottom = 522;

}  // namespace

scroll_thumb_rows scroll_thumb_position(int visible_rows, int row_count, int current_row) {
  int thumb_length = track_span;
  int thumb_offset = 0;
  // With the header and at most one entry the formula would divide by zero: the thumb fills
  // the track, as for any list that fits the window.
  if (row_count >= 3) {
    const int entries = row_count - 1;
    // The product in integers, the quotient in floating point, truncated. A window with
    // more rows than the list (or none) is held to the list, so the thumb stays on the track.
    const int64_t shown = std::clamp(visible_rows, 0, entries);
    thumb_length = static_cast<int>(static_cast<double>(shown * track_span) / entries);
    const int row = std::clamp(current_row, 1, entries);
    // Quotient first, then the product, with a 64-bit mantissa, truncated toward zero.
    const long double step = static_cast<long double>(track_span - thumb_length) /
                             static_cast<long double>(row_count - 2);
    thumb_offset = static_cast<int>(step * static_cast<long double>(row - 1));
  }
  const int top = track_top + thumb_offset;
  // The thumb's border takes 8 rows off its length.
  const int bottom = track_top - 8 + thumb_offset + thumb_length;
  if (bottom > top) return {top, bottom};
  // A shorter thumb is one row high, kept on the track: near the end of a very long list
  // its computed top lies up to 8 rows below the track.
  const int row = std::min(top, track_bottom - 1);
  return {row, row + 1};
}

void draw_scroll_indicator(surface& display_surface, int visible_rows, int row_count,
                           int current_row, bool grid_visible) {
  surface& s = display_surface;
  const scroll_thumb_rows thumb = scroll_thumb_position(visible_rows, row_count, current_row);
  if (!grid_visible) {
    clear_area(s, 592, track_top, 603, track_bottom);
    return;
  }
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = background_colour;
  s.canvas.pen_colour = scroll_border_colour;
  draw_rect(s, 592, track_top, 603, track_bottom);
  s.canvas.brush_colour = scroll_thumb_colour;
  draw_rect(s, 592, thumb.top, 603, thumb.bottom);
}
