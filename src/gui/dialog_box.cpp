#include "gui/dialog_box.h"

#include <algorithm>

#include "base/utf8.h"
#include "display/canvas.h"
#include "display/text.h"

namespace {

// Canvas colours, 0x00BBGGRR.
constexpr uint32_t body_colour = 0x8B8B9B;
constexpr uint32_t caption_colour = 0x333333;
constexpr uint32_t border_colour = 0x444444;
constexpr uint32_t button_colour = 0xC0C0C0;
constexpr uint32_t field_colour = 0xFFFFFF;
constexpr uint32_t dark_text = 0x102030;
constexpr uint32_t light_text = 0xFFFFFF;

constexpr int caption_height = 20;
constexpr int margin = 16;
constexpr int line_height = 16;
constexpr int button_width = 76;
constexpr int button_height = 22;
constexpr int field_height = 20;

bool is_continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

size_t previous_boundary(const std::string& s, size_t i) {
  if (i == 0) return 0;
  do --i;
  while (i > 0 && is_continuation(s[i]));
  return i;
}

size_t next_boundary(const std::string& s, size_t i) {
  if (i >= s.size()) return s.size();
  do ++i;
  while (i < s.size() && is_continuation(s[i]));
  return i;
}

void edit_key(dialog_box& box, const input_event& e) {
  if (e.type == input_event::kind::character) {
    if (e.character < 32 || e.character == 127 || e.character > 0x10FFFF) return;
    std::string bytes;
    append_utf8(bytes, e.character);
    box.value.insert(box.cursor, bytes);
    box.cursor += bytes.size();
    return;
  }
  switch (e.key) {
    case vk::back:
      if (box.cursor > 0) {
        const size_t from = previous_boundary(box.value, box.cursor);
        box.value.erase(from, box.cursor - from);
        box.cursor = from;
      }
      break;
    case vk::del:
      box.value.erase(box.cursor, next_boundary(box.value, box.cursor) - box.cursor);
      break;
    case vk::left:
      box.cursor = previous_boundary(box.value, box.cursor);
      break;
    case vk::right:
      box.cursor = next_boundary(box.value, box.cursor);
      break;
    case vk::home:
      box.cursor = 0;
      break;
    case vk::end:
      box.cursor = box.value.size();
      break;
    case vk::enter:
      if (box.kind == dialog_kind::input || !box.value.empty()) box.result = dialog_result::ok;
      break;
    case vk::escape:
      box.result = dialog_result::cancel;
      break;
    default:
      break;
  }
}

void confirm_key(dialog_box& box, int key) {
  switch (key) {
    case vk::enter:
      box.result = box.focus == 0 ? dialog_result::yes : dialog_result::no;
      break;
    case 'Y':
      box.result = dialog_result::yes;
      break;
    case vk::escape:
    case 'N':
      box.result = dialog_result::no;
      break;
    case vk::left:
    case vk::right:
    case vk::tab:
      box.focus = 1 - box.focus;
      break;
    default:
      break;
  }
}

void set_font(surface& s, uint32_t colour, bool bold) {
  s.canvas.font = canvas_font{"Arial", 8, bold, colour};
}

void fill(surface& s, const rect& r, uint32_t colour, uint32_t pen) {
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = colour;
  s.canvas.pen_colour = pen;
  draw_rect(s, r.x1, r.y1, r.x2, r.y2);
}

void paint_button(surface& s, int x, int y, const char* label, bool focused) {
  fill(s, {x, y, x + button_width, y + button_height}, button_colour, border_colour);
  if (focused) {
    s.canvas.brush = brush_style::clear;
    draw_rect(s, x + 1, y + 1, x + button_width - 1, y + button_height - 1);
  }
  set_font(s, dark_text, true);
  s.canvas.brush = brush_style::clear;
  draw_text(s, x + (button_width - text_width(s, label)) / 2, y + 4, label);
}

}  // namespace

dialog_box make_message_box(std::string caption, std::string text) {
  dialog_box box;
  box.kind = dialog_kind::message;
  box.caption = std::move(caption);
  box.text = std::move(text);
  return box;
}

dialog_box make_confirm_box(std::string caption, std::string question) {
  dialog_box box = make_message_box(std::move(caption), std::move(question));
  box.kind = dialog_kind::confirm;
  return box;
}

dialog_box make_input_box(std::string caption, std::string prompt, std::string initial) {
  dialog_box box = make_message_box(std::move(caption), std::move(prompt));
  box.kind = dialog_kind::input;
  box.value = std::move(initial);
  box.cursor = box.value.size();
  return box;
}

dialog_box make_save_prompt(std::string directory) {
  dialog_box box = make_message_box("Save picture as", "File name (in " + directory + "):");
  box.kind = dialog_kind::save_prompt;
  box.hint = "Bitmap files (*.bmp)";
  return box;
}

void dialog_key(dialog_box& box, const input_event& event) {
  if (box.result != dialog_result::open) return;
  const bool key = event.type == input_event::kind::key_down;
  switch (box.kind) {
    case dialog_kind::message:
      if (key && (event.key == vk::enter || event.key == vk::escape))
        box.result = dialog_result::ok;
      break;
    case dialog_kind::confirm:
      if (key) confirm_key(box, event.key);
      break;
    case dialog_kind::input:
    case dialog_kind::save_prompt:
      if (key || event.type == input_event::kind::character) edit_key(box, event);
      break;
  }
}

void paint_dialog(const dialog_box& box, surface& image) {
  const bool editing = box.kind == dialog_kind::input || box.kind == dialog_kind::save_prompt;
  surface probe;
  set_font(probe, light_text, true);
  int width = std::max({text_width(probe, box.text), text_width(probe, box.caption),
                        text_width(probe, box.hint), editing ? 420 : 0});
  width = std::clamp(width + 2 * margin, 260, screen_width - 40);
  int height = caption_height + margin + line_height;
  if (!box.hint.empty()) height += line_height;
  if (editing) height += 8 + field_height;
  height += margin + button_height + margin;

  image = create_surface(width, height);
  fill(image, {0, 0, width, height}, body_colour, border_colour);
  fill(image, {1, 1, width - 1, caption_height}, caption_colour, caption_colour);
  image.canvas.brush = brush_style::clear;
  set_font(image, light_text, true);
  draw_text(image, 8, 3, box.caption);

  int y = caption_height + margin;
  draw_text(image, margin, y, box.text);
  y += line_height;
  if (!box.hint.empty()) {
    draw_text(image, margin, y, box.hint);
    y += line_height;
  }
  if (editing) {
    y += 8;
    const rect field{margin, y, width - margin, y + field_height};
    fill(image, field, field_colour, border_colour);
    image.canvas.brush = brush_style::clear;
    set_font(image, dark_text, false);
    const int room = field.x2 - field.x1 - 8;
    // Keep the cursor in view: drop characters from the left while the text before it is too wide.
    size_t first = 0;
    while (first < box.cursor &&
           text_width(image, std::string_view(box.value).substr(first, box.cursor - first)) > room)
      first = next_boundary(box.value, first);
    const std::string_view shown = std::string_view(box.value).substr(first);
    draw_text(image, field.x1 + 4, y + 3, shown);
    const int cursor_x = field.x1 + 4 + text_width(image, shown.substr(0, box.cursor - first));
    image.canvas.pen_colour = dark_text;
    draw_line(image, cursor_x, y + 3, cursor_x, y + field_height - 3);
    y += field_height;
  }
  y += margin;
  switch (box.kind) {
    case dialog_kind::message:
      paint_button(image, (width - button_width) / 2, y, "OK", true);
      break;
    case dialog_kind::confirm:
      paint_button(image, width / 2 - button_width - 6, y, "Yes", box.focus == 0);
      paint_button(image, width / 2 + 6, y, "No", box.focus == 1);
      break;
    case dialog_kind::input:
    case dialog_kind::save_prompt:
      paint_button(image, width / 2 - button_width - 6, y,
                   box.kind == dialog_kind::input ? "OK" : "Save", true);
      paint_button(image, width / 2 + 6, y, "Cancel", false);
      break;
  }
}

void place_dialog(const surface& image, int& x, int& y) {
  x = (screen_width - image.width) / 2;
  y = (screen_height - image.height) / 2;
}
