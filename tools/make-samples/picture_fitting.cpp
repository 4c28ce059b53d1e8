#include "picture_fitting.h"

#include <algorithm>
#include <array>
#include <optional>

#include "c64_colours.h"
#include "formats/four_bit_colours.h"
#include "formats/ufli_sprites.h"

namespace {

constexpr int cells = 1000;
constexpr int mono_screen = 0xCB;
constexpr uint8_t mono_color_ram = c64::light_grey;

using colour_counts = std::array<int, 16>;

int cell_top(int cell) {
  return cell / 40 * 8;
}
int cell_left(int cell) {
  return cell % 40 * 8;
}

// The hires column whose colour stands for multicolour pixel pair of a frame.
int sample_column(int pair_column, int frame, const picture_constraints& limits) {
  return pair_column * 2 + (limits.frames == 2 ? frame : 0);
}

uint8_t most_used(const colour_counts& counts, uint8_t fallback) {
  uint8_t best = fallback;
  int best_count = 0;
  for (uint8_t colour = 0; colour < 16; ++colour) {
    if (counts[colour] > best_count) {
      best = colour;
      best_count = counts[colour];
    }
  }
  return best;
}

// The two most used colours, the most used first; a missing second repeats the first.
std::array<uint8_t, 2> two_most_used(colour_counts counts, uint8_t fallback) {
  const uint8_t first = most_used(counts, fallback);
  counts[first] = 0;
  return {first, most_used(counts, first)};
}

// The position of the choice nearest to colour; the first of equals wins.
int nearest(uint8_t colour, const std::array<uint8_t, 4>& choices, int count) {
  int best = 0;
  for (int k = 1; k < count; ++k) {
    if (colour_distance(colour, choices[k]) < colour_distance(colour, choices[best])) best = k;
  }
  return best;
}

uint8_t single_background(const target_picture& picture) {
  colour_counts counts{};
  for (uint8_t colour : picture.frames[0]) ++counts[colour];
  return most_used(counts, c64::black);
}

void fit_backgrounds(const target_picture& picture, const picture_constraints& limits,
                     picture_model& model) {
  if (limits.mono_colours || limits.background == background_source::black) {
    model.line_background.fill(c64::black);
  } else if (limits.background == background_source::single) {
    model.line_background.fill(single_background(picture));
  } else {
    model.line_background.fill(c64::black);
    std::copy(picture.line_background.begin(), picture.line_background.end(),
              model.line_background.begin());
  }
}

// Counts the colours of a cell's pixels on lines first..last of the given frames, leaving
// out those the line's background or the colour RAM already give.
colour_counts count_cell(const target_picture& picture, const picture_model& model,
                         const picture_constraints& limits, int cell, int first_line, int last_line,
                         int first_frame, int last_frame, int skip_colour) {
  colour_counts counts{};
  for (int frame = first_frame; frame <= last_frame; ++frame) {
    for (int line = first_line; line <= last_line; ++line) {
      const int y = cell_top(cell) + line;
      for (int pair = 0; pair < 4; ++pair) {
        const int x = sample_column(cell_left(cell) / 2 + pair, frame, limits);
        const uint8_t colour = picture.frames[frame][y * picture_width + x];
        if (colour != model.line_background[y] && colour != skip_colour) ++counts[colour];
      }
    }
  }
  return counts;
}

void fit_multicolour_cell(const target_picture& picture, const picture_constraints& limits,
                          int cell, picture_model& model) {
  const int last_frame = limits.frames - 1;
  uint8_t color_ram = mono_color_ram;
  if (limits.given_color_ram) {
    color_ram = model.color_ram[cell];
  } else if (limits.single_color_ram) {
    color_ram = model.color_ram[0];
  } else if (!limits.mono_colours) {
    color_ram = most_used(count_cell(picture, model, limits, cell, 0, 7, 0, last_frame, -1), 0);
  }
  model.color_ram[cell] = color_ram;

  // Frame B over frame A's bitmap is fitted when frame A is whole.
  const int last_fitted = limits.shared_bitmap ? 0 : last_frame;
  for (int frame = 0; frame <= last_fitted; ++frame) {
    auto& screen = frame == 0 ? model.screen_a : model.screen_b;
    const bool reuse_a = frame == 1 && limits.shared_screen;
    const int lines_per_group = limits.screen_per_line ? 1 : 8;
    for (int first = 0; first < 8; first += lines_per_group) {
      const int last = first + lines_per_group - 1;
      uint8_t screen_byte = mono_screen;
      if (reuse_a || limits.single_screen) {
        screen_byte = model.screen_a[cell * 8 + first];
      } else if (!limits.mono_colours) {
        const int counted_last = limits.shared_screen ? last_frame : frame;
        const int counted_first = limits.shared_screen ? 0 : frame;
        const auto [high, low] = two_most_used(count_cell(picture, model, limits, cell, first, last,
                                                          counted_first, counted_last, color_ram),
                                               color_ram);
        screen_byte = static_cast<uint8_t>(high << 4 | low);
      }
      for (int line = first; line <= last; ++line) screen[cell * 8 + line] = screen_byte;
    }

    auto& bitmap = frame == 0 ? model.bitmap_a : model.bitmap_b;
    for (int line = 0; line < 8; ++line) {
      const int y = cell_top(cell) + line;
      const uint8_t screen_byte = screen[cell * 8 + line];
      const std::array<uint8_t, 4> choices = {static_cast<uint8_t>(model.line_background[y] & 15),
                                              static_cast<uint8_t>(screen_byte >> 4),
                                              static_cast<uint8_t>(screen_byte & 15),
                                              static_cast<uint8_t>(color_ram & 15)};
      uint8_t byte = 0;
      for (int pair = 0; pair < 4; ++pair) {
        const int x = sample_column(cell_left(cell) / 2 + pair, frame, limits);
        const int bits = nearest(picture.frames[frame][y * picture_width + x], choices, 4);
        byte = static_cast<uint8_t>(byte | bits << (6 - 2 * pair));
      }
      bitmap[cell * 8 + line] = byte;
    }
  }
}

// The multicolour bit pair of frame A's bitmap under pair column m of line y.
int frame_a_bits(const picture_model& model, int m, int y) {
  const int cell = y / 8 * 40 + m / 4;
  return model.bitmap_a[cell * 8 + y % 8] >> (6 - 2 * (m % 4)) & 3;
}

// Frame B over frame A's bitmap: each line's background and each cell line's two screen colours
// become the colours frame B's pixels of those bit pairs use most; the colour RAM is shared.
void fit_frame_b_over_frame_a_bitmap(const target_picture& picture,
                                     const picture_constraints& limits, picture_model& model) {
  const auto colour_b = [&](int m, int y) {
    return picture.frames[1][y * picture_width + sample_column(m, 1, limits)];
  };
  for (int y = 0; y < picture_height; ++y) {
    colour_counts counts{};
    for (int m = 0; m < picture_width / 2; ++m)
      if (frame_a_bits(model, m, y) == 0) ++counts[colour_b(m, y)];
    model.line_background_b[y] = most_used(counts, model.line_background[y]);
  }
  for (int cell = 0; cell < cells; ++cell) {
    for (int line = 0; line < 8; ++line) {
      const int y = cell_top(cell) + line;
      std::array<colour_counts, 2> counts{};  // under bits 01 and 10
      for (int m = cell_left(cell) / 2; m < cell_left(cell) / 2 + 4; ++m) {
        const int bits = frame_a_bits(model, m, y);
        if (bits == 1 || bits == 2) ++counts[bits - 1][colour_b(m, y)];
      }
      const uint8_t a = model.screen_a[cell * 8 + line];
      model.screen_b[cell * 8 + line] =
          static_cast<uint8_t>(most_used(counts[0], a >> 4) << 4 | most_used(counts[1], a & 0x0F));
    }
  }
  model.bitmap_b = model.bitmap_a;
}

// Every pixel the step of its own colour.
void fit_four_bit(const target_picture& picture, picture_model& model) {
  std::array<uint8_t, 16> step_of{};
  for (uint8_t step = 0; step < 16; ++step) step_of[four_bit_colours[step]] = step;
  model.four_bit_pixels.fill(0);
  for (int y = 0; y < picture_height; ++y) {
    for (int x = 0; x < picture_width; ++x) {
      const four_bit_place place = four_bit_pixel_at(x, y);
      const uint8_t step = step_of[picture.frames[0][y * picture_width + x]];
      model.four_bit_pixels[place.byte] |= place.high ? step << 4 : step;
    }
  }
}

// UFLI: whether the sprite bit under hires pixel (x, y) is set.
bool under_sprite(const picture_constraints& limits, const picture_model& model, int x, int y) {
  if (!limits.sprite_underlay || !ufli_sprites::covers(x)) return false;
  const ufli_sprites::sprite_bit bit = ufli_sprites::bit_under(x, y);
  return (model.sprite_bank[bit.offset] & bit.mask) != 0;
}

// Each sprite column takes the colour other than black that fills the most pixel pairs under
// it, and its bits are set under those pairs; the cells' two colours are then fitted to the
// pixels the sprites leave, so a sprite adds a third colour wherever it lies. With a single
// colour, every column takes the one that fills the most pairs under them all.
void fit_sprites(const target_picture& picture, bool single_colour, picture_model& model) {
  namespace sprites = ufli_sprites;
  const auto pair_colour = [&](int x, int y) -> std::optional<uint8_t> {
    const uint8_t colour = picture.frames[0][y * picture_width + x];
    if (colour == picture.frames[0][y * picture_width + x + 1]) return colour;
    return std::nullopt;
  };
  std::array<colour_counts, sprites::columns> pairs{};
  for (int y = 0; y < picture_height; ++y) {
    for (int x = sprites::first_x; x < sprites::end_x; x += 2) {
      if (const auto colour = pair_colour(x, y)) ++pairs[sprites::column_of(x)][*colour];
    }
  }
  model.sprite_bank[sprites::mode_flag] = single_colour ? 0 : 1;
  for (int column = 0; column < sprites::columns; ++column) {
    pairs[column][c64::black] = 0;
    model.sprite_bank[sprites::column_colours + column] = most_used(pairs[column], c64::white);
  }
  if (single_colour) {
    colour_counts all{};
    for (const colour_counts& column : pairs)
      for (int colour = 0; colour < 16; ++colour) all[colour] += column[colour];
    model.sprite_bank[sprites::single_colour] = most_used(all, c64::white);
  }
  for (int y = 0; y < picture_height; ++y) {
    for (int x = sprites::first_x; x < sprites::end_x; x += 2) {
      const uint8_t colour = sprites::colour_of_column(model.sprite_bank, sprites::column_of(x));
      if (pair_colour(x, y) != colour) continue;
      const sprites::sprite_bit bit = sprites::bit_under(x, y);
      model.sprite_bank[bit.offset] |= bit.mask;
    }
  }
}

// The colours of a fixed bitmap's set and clear bits on lines first..last of a cell: those the
// pixels under each use most.
std::array<uint8_t, 2> fixed_bitmap_colours(const target_picture& picture,
                                            const picture_constraints& limits, int cell, int first,
                                            int last) {
  std::array<colour_counts, 2> counts{};
  for (int line = first; line <= last; ++line) {
    const int y = cell_top(cell) + line;
    for (int column = 0; column < 8; ++column) {
      const int set = limits.fixed_bitmap >> (7 - column) & 1;
      ++counts[set][picture.frames[0][y * picture_width + cell_left(cell) + column]];
    }
  }
  const uint8_t high = most_used(counts[1], c64::black);
  return {high, most_used(counts[0], high)};
}

// One frame of a hires cell; frame B of a shared screen takes frame A's, which is fitted to
// the pixels of both frames.
void fit_hires_cell(const target_picture& picture, const picture_constraints& limits, int cell,
                    int frame, picture_model& model) {
  auto& screen = frame == 0 ? model.screen_a : model.screen_b;
  auto& bitmap = frame == 0 ? model.bitmap_a : model.bitmap_b;
  const auto& pixels = picture.frames[frame];
  const int lines_per_group = limits.screen_per_line ? 1 : limits.sprite_underlay ? 2 : 8;
  const int counted_last = limits.shared_screen ? limits.frames - 1 : frame;
  for (int first = 0; first < 8; first += lines_per_group) {
    colour_counts counts{};
    for (int counted = limits.shared_screen ? 0 : frame; counted <= counted_last; ++counted) {
      for (int line = first; line < first + lines_per_group; ++line) {
        const int y = cell_top(cell) + line;
        for (int x = cell_left(cell); x < cell_left(cell) + 8; ++x) {
          if (!under_sprite(limits, model, x, y))
            ++counts[picture.frames[counted][y * picture_width + x]];
        }
      }
    }
    // A set bitmap bit shows the high nibble, a clear one the low nibble.
    std::array<uint8_t, 2> colours = two_most_used(counts, c64::black);
    if (frame == 1 && limits.shared_screen) {
      colours = {static_cast<uint8_t>(model.screen_a[cell * 8 + first] >> 4),
                 static_cast<uint8_t>(model.screen_a[cell * 8 + first] & 0x0F)};
    } else if (limits.fixed_screen != 0) {
      colours = {static_cast<uint8_t>(limits.fixed_screen >> 4),
                 static_cast<uint8_t>(limits.fixed_screen & 15)};
    } else if (limits.fixed_bitmap != 0) {
      colours = fixed_bitmap_colours(picture, limits, cell, first, first + lines_per_group - 1);
    }
    const auto [high, low] = colours;
    for (int line = first; line < first + lines_per_group; ++line) {
      const int y = cell_top(cell) + line;
      screen[cell * 8 + line] = static_cast<uint8_t>(high << 4 | low);
      const std::array<uint8_t, 4> choices = {low, high};
      uint8_t byte = 0;
      for (int column = 0; column < 8; ++column) {
        const int x = cell_left(cell) + column;
        if (under_sprite(limits, model, x, y)) continue;  // a clear bit shows the sprite
        const uint8_t colour = pixels[y * picture_width + x];
        byte = static_cast<uint8_t>(byte | nearest(colour, choices, 2) << (7 - column));
      }
      bitmap[cell * 8 + line] = limits.fixed_bitmap != 0 ? limits.fixed_bitmap : byte;
    }
  }
}

// The colours of every cell's pixels on frame A, but the lines' backgrounds and skip_colour.
colour_counts picture_counts(const target_picture& picture, const picture_model& model,
                             const picture_constraints& limits, int skip_colour) {
  colour_counts counts{};
  for (int cell = 0; cell < cells; ++cell) {
    const colour_counts in_cell = count_cell(picture, model, limits, cell, 0, 7, 0, 0, skip_colour);
    for (int colour = 0; colour < 16; ++colour) counts[colour] += in_cell[colour];
  }
  return counts;
}

void fit_hires(const target_picture& picture, const picture_constraints& limits,
               picture_model& model) {
  if (limits.sprite_underlay) fit_sprites(picture, limits.single_sprite_colour, model);
  for (int frame = 0; frame < limits.frames; ++frame)
    for (int cell = 0; cell < cells; ++cell) fit_hires_cell(picture, limits, cell, frame, model);
  if (limits.top_row_unused) {
    std::fill_n(model.bitmap_a.begin(), 40 * 8, 0);
    std::fill_n(model.screen_a.begin(), 40 * 8, 0);
  }
}

}  // namespace

void fit_picture(const target_picture& picture, const picture_constraints& limits,
                 picture_model& model) {
  if (limits.four_bit) {
    fit_four_bit(picture, model);
    return;
  }
  if (limits.hires) {
    fit_hires(picture, limits, model);
    return;
  }
  fit_backgrounds(picture, limits, model);
  // One colour RAM byte: the colour the backgrounds leave most often.
  if (limits.single_color_ram)
    model.color_ram.fill(most_used(picture_counts(picture, model, limits, -1), c64::black));
  // One screen byte: the two colours the backgrounds and the colour RAM leave most often.
  if (limits.single_screen) {
    const auto [high, low] = two_most_used(
        picture_counts(picture, model, limits, model.color_ram[0]), model.color_ram[0]);
    model.screen_a.fill(static_cast<uint8_t>(high << 4 | low));
  }
  for (int cell = 0; cell < cells; ++cell) fit_multicolour_cell(picture, limits, cell, model);
  if (limits.shared_bitmap) fit_frame_b_over_frame_a_bitmap(picture, limits, model);
}
