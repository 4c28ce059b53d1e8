#pragma once
// Drawing a picture into the model's raster, as the arrangements of the formats do.
#include <cstdint>

#include "formats/picture_model.h"

// Starts a raster picture of the canvas's size: the cells and sprites of its frames cleared.
void begin_raster(picture_model& model, canvas_size canvas);

// Eight hires pixels: clear bits show clear, set bits set.
constexpr raster_cell hires_cell(uint8_t graphics, uint8_t clear, uint8_t set) {
  return {
      graphics, false, {static_cast<uint8_t>(clear & 15), static_cast<uint8_t>(set & 15), 0, 0}};
}

// Four multicolour pixels: pairs 00, 01, 10 and 11 show the four colours in turn.
constexpr raster_cell multicolor_cell(uint8_t graphics, uint8_t c00, uint8_t c01, uint8_t c10,
                                      uint8_t c11) {
  return {graphics,
          true,
          {static_cast<uint8_t>(c00 & 15), static_cast<uint8_t>(c01 & 15),
           static_cast<uint8_t>(c10 & 15), static_cast<uint8_t>(c11 & 15)}};
}

// A bitmap's cell as the video chip shows it: hires, set bits the screen byte's high nibble and
// clear ones its low nibble; multicolour, 00 the background, 01 and 10 the screen byte's
// nibbles, 11 the colour RAM.
constexpr raster_cell bitmap_hires_cell(uint8_t graphics, uint8_t screen) {
  return hires_cell(graphics, screen, screen >> 4);
}
constexpr raster_cell bitmap_multicolor_cell(uint8_t graphics, uint8_t background, uint8_t screen,
                                             uint8_t colour) {
  return multicolor_cell(graphics, background, screen >> 4, screen, colour);
}
