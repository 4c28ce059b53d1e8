#pragma once
// The scroll track and thumb beside the browser list, at x 592..602, rows 87..521.
#include "surface/surface.h"

// Rows of the thumb on the track; bottom excluded, at least one row.
struct scroll_thumb_rows {
  int top = 0;
  int bottom = 0;
};

// Where the thumb lies for a grid of visible_rows whole rows below the header, row_count rows
// including the header, and the selected row current_row (the first entry is row 1).
scroll_thumb_rows scroll_thumb_position(int visible_rows, int row_count, int current_row);

// Draws the track and thumb while the grid is visible, else clears (592, 87)-(603, 522).
void draw_scroll_indicator(surface& display_surface, int visible_rows, int row_count,
                           int current_row, bool grid_visible);
