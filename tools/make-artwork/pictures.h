#pragma once
// The four frame pictures, placed by the furniture at (0, 0), (0, 66), (609, 66) and (18, 529),
// and the program's icon. Transparent wherever the grid, the panels, the F1 hint or the status
// line must show through.
#include "rgba_image.h"

rgba_image make_title_bar();
rgba_image make_left_bar();
rgba_image make_right_bar();
rgba_image make_bottom_bar();
rgba_image make_icon();
