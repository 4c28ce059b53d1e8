#pragma once
// A picture format's byte layout as data: the steps, in order, that copy a file's bytes into
// the picture model and fill in what the format does not carry. Each format is a dump of C64
// memory, so a short list of such steps describes it whole.
#include <array>
#include <cstdint>
#include <span>
#include <type_traits>

#include "base/file_buffer.h"
#include "formats/picture_model.h"

enum class model_part : uint8_t {
  line_background,
  color_ram,
  screen_a,
  screen_b,
  bitmap_a,
  bitmap_b,
  sprite_bank,
  line_background_b,
  four_bit_pixels,
};

constexpr uint32_t screen_ram_cells = 1024;

constexpr uint32_t part_size(model_part part) {
  switch (part) {
    case model_part::line_background:
    case model_part::line_background_b:
      return 256;
    case model_part::color_ram:
      return 1024;
    case model_part::sprite_bank:
      return 4096;
    case model_part::four_bit_pixels:
      return 32000;
    default:
      return 8192;
  }
}

constexpr bool is_screen(model_part part) {
  return part == model_part::screen_a || part == model_part::screen_b;
}

// The bytes of one part of a model, writable or not as the model is.
template <typename Model>
std::span<std::conditional_t<std::is_const_v<Model>, const uint8_t, uint8_t>> part_bytes(
    Model& model, model_part part) {
  switch (part) {
    case model_part::line_background:
      return model.line_background;
    case model_part::color_ram:
      return model.color_ram;
    case model_part::screen_a:
      return model.screen_a;
    case model_part::screen_b:
      return model.screen_b;
    case model_part::bitmap_a:
      return model.bitmap_a;
    case model_part::bitmap_b:
      return model.bitmap_b;
    case model_part::line_background_b:
      return model.line_background_b;
    case model_part::four_bit_pixels:
      return model.four_bit_pixels;
    default:
      return model.sprite_bank;
  }
}

enum class step_kind : uint8_t {
  copy,                 // file offsets first..last to part[at], part[at + 1], ...
  screen_rams,          // file offsets first..last to the screen RAMs of part from RAM at on,
                        // cells 0..1023 of each in turn
  fill,                 // part[0..count) := value
  fill_from_file,       // every byte of part := the file byte at first
  spread_screen_ram_0,  // screen RAMs 1..7 of every cell of part := its screen RAM 0 byte
  copy_part,            // part := source, index for index
  lead_in,              // file offsets first..last come before part's data, as if for
                        // indexes below 0, and are not read
};

struct layout_step {
  step_kind kind = step_kind::copy;
  model_part part = model_part::line_background;
  model_part source = model_part::line_background;
  uint8_t value = 0;
  uint16_t first = 0;  // file offsets, inclusive
  uint16_t last = 0;
  uint16_t at = 0;
  uint16_t count = 0;
};

// The index in step.part that the file byte at step.first + k goes to, for the steps that
// copy file bytes.
constexpr uint32_t part_index(const layout_step& step, uint32_t k) {
  if (step.kind == step_kind::screen_rams) {
    return (k % screen_ram_cells) * 8 + step.at + k / screen_ram_cells;
  }
  return step.at + k;
}

// Whether a step stays inside the model.
constexpr bool step_fits(const layout_step& step) {
  const uint32_t extent = step.last - step.first;
  switch (step.kind) {
    case step_kind::copy:
      return step.first <= step.last && step.at + extent < part_size(step.part);
    case step_kind::screen_rams:
      return is_screen(step.part) && step.first <= step.last &&
             step.at + extent / screen_ram_cells < 8;
    case step_kind::fill:
      return step.count <= part_size(step.part);
    case step_kind::spread_screen_ram_0:
      return is_screen(step.part);
    case step_kind::copy_part:
      return part_size(step.source) == part_size(step.part);
    case step_kind::fill_from_file:
      return true;
    case step_kind::lead_in:
      return step.first <= step.last;
  }
  return false;
}

namespace layout_steps {

constexpr layout_step copy(uint16_t first, uint16_t last, model_part part, uint16_t at = 0) {
  return {.kind = step_kind::copy, .part = part, .first = first, .last = last, .at = at};
}

constexpr layout_step screen_rams(uint16_t first, uint16_t last, model_part screen,
                                  uint16_t first_ram = 0) {
  return {.kind = step_kind::screen_rams,
          .part = screen,
          .first = first,
          .last = last,
          .at = first_ram};
}

constexpr layout_step fill(model_part part, uint8_t value, uint16_t count) {
  return {.kind = step_kind::fill, .part = part, .value = value, .count = count};
}

constexpr layout_step fill(model_part part, uint8_t value) {
  return fill(part, value, static_cast<uint16_t>(part_size(part)));
}

constexpr layout_step fill_from_file(model_part part, uint16_t offset) {
  return {.kind = step_kind::fill_from_file, .part = part, .first = offset, .last = offset};
}

constexpr layout_step spread_screen_ram_0(model_part screen) {
  return {.kind = step_kind::spread_screen_ram_0, .part = screen};
}

constexpr layout_step copy_part(model_part source, model_part part) {
  return {.kind = step_kind::copy_part, .part = part, .source = source};
}

constexpr layout_step lead_in(uint16_t first, uint16_t last, model_part part) {
  return {.kind = step_kind::lead_in, .part = part, .first = first, .last = last};
}

}  // namespace layout_steps

constexpr size_t max_layout_steps = 12;

// A format's steps, held in its table entry.
struct format_layout {
  std::array<layout_step, max_layout_steps> steps{};
  size_t count = 0;

  constexpr std::span<const layout_step> view() const { return {steps.data(), count}; }
  constexpr bool empty() const { return count == 0; }
};

template <typename... Steps>
constexpr format_layout layout(Steps... steps) {
  static_assert(sizeof...(steps) <= max_layout_steps, "raise max_layout_steps");
  return {{steps...}, sizeof...(steps)};
}

// Runs the steps in order: copies file's bytes into model and fills what they name. Bytes no
// step writes keep their values.
void load_layout(std::span<const layout_step> steps, const file_buffer& file, picture_model& model);
