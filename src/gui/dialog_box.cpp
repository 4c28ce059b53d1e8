#include "gui/dialog_box.h"

#include <algorithm>
#include <array>

#include "base/utf8.h"
#include "surface/canvas.h"
#include "text/text.h"

namespace {

// Canvas colours, 0x00BBGGRR.
constexpr uint32_t body_colour = 0x8B8B9B;
constexpr uint32_t caption_colour = 0x333333;
constexpr uint32_t border_colour = 0x444444;
constexpr uint32_t button_colour = 0xC0C0C0;
constexpr uint32_t field_colour = 0xFFFFFF;
constexpr uint32_t dark_text = 0x102030;
constexpr uint32_t light_text = 0xFFFFFF;

// Sizes in pixels.
constexpr int caption_height = 20, margin = 16, line_height = 16;
constexpr int button_width = 76, button_height = 22, field_height = 20;

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

bool is_editing(const dialog_box& box) {
  return box.kind == dialog_kind::input || box.kind == dialog_kind::save_prompt;
}

void set_font(surface& s, uint32_t colour, bool bold) {
  s.canvas.font = canvas_font{"Arial", 8, bold, colour};
}

// Where the parts of a box lie in its own surface.
struct dialog_layout {
  int width = 0;
  int height = 0;
  int text_y = 0;
  rect field;  // only in an input box or save prompt
  std::array<rect, 2> buttons;
  int button_count = 2;
};

dialog_layout lay_out(const dialog_box& box) {
  surface probe;
  set_font(probe, light_text, true);
  dialog_layout l;
  l.width = std::max({text_width(probe, box.text), text_width(probe, box.caption),
                      text_width(probe, box.hint), is_editing(box) ? 420 : 0});
  l.width = std::clamp(l.width + 2 * margin, 260, screen_width - 40);
  l.text_y = caption_height + margin;
  int y = l.text_y + line_height;
  if (!box.hint.empty()) y += line_height;
  if (is_editing(box)) {
    y += 8;
    l.field = {margin, y, l.width - margin, y + field_height};
    y += field_height;
  }
  y += margin;
  const auto button_at = [y](int x) { return rect{x, y, x + button_width, y + button_height}; };
  if (box.kind == dialog_kind::message) {
    l.buttons[0] = button_at((l.width - button_width) / 2);
    l.button_count = 1;
  } else {
    l.buttons = {button_at(l.width / 2 - button_width - 6), button_at(l.width / 2 + 6)};
  }
  l.height = y + button_height + margin;
  return l;
}

std::array<const char*, 2> button_labels(dialog_kind kind) {
  if (kind == dialog_kind::confirm) return {"Yes", "No"};
  if (kind == dialog_kind::save_prompt) return {"Save", "Cancel"};
  return {"OK", "Cancel"};  // a message box has OK only
}

// Boxes are centred on the screen.
int centred(int room, int size) {
  return (room - size) / 2;
}

bool contains(const rect& r, int x, int y) {
  return x >= r.x1 && x < r.x2 && y >= r.y1 && y < r.y2;
}

void press_button(dialog_box& box, int button) {
  switch (box.kind) {
    case dialog_kind::message:
      box.result = dialog_result::ok;
      break;
    case dialog_kind::confirm:
      box.result = button == 0 ? dialog_result::yes : dialog_result::no;
      break;
    case dialog_kind::input:
    case dialog_kind::save_prompt:
      // A save prompt needs a name.
      if (button == 1)
        box.result = dialog_result::cancel;
      else if (box.kind == dialog_kind::input || !box.value.empty())
        box.result = dialog_result::ok;
      break;
  }
}

void click(dialog_box& box, int x, int y) {
  const dialog_layout l = lay_out(box);
  x -= centred(screen_width, l.width);
  y -= centred(screen_height, l.height);
  if (is_editing(box) && contains(l.field, x, y)) box.focus = -1;
  for (int i = 0; i < l.button_count; ++i)
    if (contains(l.buttons[static_cast<size_t>(i)], x, y)) press_button(box, i);
}

void edit_key(dialog_box& box, const input_event& e) {
  if (e.type == input_event::kind::key_down) {
    switch (e.key) {
      case vk::tab:  // from the field to each button and back to the field
        box.focus = box.focus == 1 ? -1 : box.focus + 1;
        return;
      case vk::enter:
        press_button(box, std::max(box.focus, 0));
        return;
      case vk::escape:
        box.result = dialog_result::cancel;
        return;
      default:
        break;
    }
  }
  // Text and the editing keys go to the field only while it has the focus.
  if (box.focus != -1) return;
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
    default:
      break;
  }
}

void confirm_key(dialog_box& box, int key) {
  switch (key) {
    case vk::enter:
      press_button(box, box.focus);
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

void fill(surface& s, const rect& r, uint32_t colour, uint32_t pen) {
  s.canvas.brush = brush_style::solid;
  s.canvas.brush_colour = colour;
  s.canvas.pen_colour = pen;
  draw_rect(s, r.x1, r.y1, r.x2, r.y2);
}

void paint_button(surface& s, const rect& r, const char* label, bool focused) {
  fill(s, r, button_colour, border_colour);
  if (focused) {
    s.canvas.brush = brush_style::clear;
    draw_rect(s, r.x1 + 1, r.y1 + 1, r.x2 - 1, r.y2 - 1);
  }
  set_font(s, dark_text, true);
  s.canvas.brush = brush_style::clear;
  draw_text(s, r.x1 + (button_width - text_width(s, label)) / 2, r.y1 + 4, label);
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
  box.focus = -1;
  box.value = std::move(initial);
  box.cursor = box.value.size();
  return box;
}

dialog_box make_save_prompt(const std::string& directory) {
  dialog_box box = make_message_box("Save picture as", "File name (in " + directory + "):");
  box.kind = dialog_kind::save_prompt;
  box.focus = -1;
  box.hint = "Bitmap or PNG files (*.bmp, *.png)";
  return box;
}

void dialog_key(dialog_box& box, const input_event& event) {
  if (box.result != dialog_result::open) return;
  if (event.type == input_event::kind::click) {
    click(box, event.x, event.y);
    return;
  }
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
  const dialog_layout l = lay_out(box);
  image = create_surface(l.width, l.height);
  fill(image, {0, 0, l.width, l.height}, body_colour, border_colour);
  fill(image, {1, 1, l.width - 1, caption_height}, caption_colour, caption_colour);
  image.canvas.brush = brush_style::clear;
  set_font(image, light_text, true);
  draw_text(image, 8, 3, box.caption);
  draw_text(image, margin, l.text_y, box.text);
  if (!box.hint.empty()) draw_text(image, margin, l.text_y + line_height, box.hint);
  if (is_editing(box)) {
    const rect& field = l.field;
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
    draw_text(image, field.x1 + 4, field.y1 + 3, shown);
    if (box.focus == -1) {
      const int cursor_x = field.x1 + 4 + text_width(image, shown.substr(0, box.cursor - first));
      image.canvas.pen_colour = dark_text;
      draw_line(image, cursor_x, field.y1 + 3, cursor_x, field.y2 - 3);
    }
  }
  const std::array<const char*, 2> labels = button_labels(box.kind);
  // While the field has the focus, the first button is the one Enter presses.
  for (int i = 0; i < l.button_count; ++i)
    paint_button(image, l.buttons[static_cast<size_t>(i)], labels[static_cast<size_t>(i)],
                 box.focus == i || (box.focus == -1 && i == 0));
}

void place_dialog(const surface& image, int& x, int& y) {
  x = centred(screen_width, image.width);
  y = centred(screen_height, image.height);
}
