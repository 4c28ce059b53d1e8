#include "gui/dialog_box.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

input_event key(int code) {
  return key_down_event(code);
}
input_event typed(uint32_t cp) {
  return character_event(cp);
}

TEST(DialogBox, ConfirmAnswersByKeyAndFocus) {
  dialog_box box = make_confirm_box("Confirm", "Are you sure to exit the Velora?");
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.result, dialog_result::yes);

  box = make_confirm_box("Confirm", "q");
  dialog_key(box, key(vk::right));
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.result, dialog_result::no);

  box = make_confirm_box("Confirm", "q");
  dialog_key(box, key(vk::tab));
  dialog_key(box, key('Y'));
  EXPECT_EQ(box.result, dialog_result::yes);

  for (int answer_no : {vk::escape, int('N')}) {
    box = make_confirm_box("Confirm", "q");
    dialog_key(box, key(answer_no));
    EXPECT_EQ(box.result, dialog_result::no);
  }
  // Typed characters and other keys do not answer.
  box = make_confirm_box("Confirm", "q");
  dialog_key(box, typed('y'));
  dialog_key(box, key(vk::f1));
  EXPECT_EQ(box.result, dialog_result::open);
}

TEST(DialogBox, InputEditsAroundTheCursor) {
  dialog_box box = make_input_box("Change file name", "New file name", "Pic.vic");
  EXPECT_EQ(box.cursor, 7u);
  dialog_key(box, key(vk::back));
  dialog_key(box, typed('x'));
  EXPECT_EQ(box.value, "Pic.vix");
  dialog_key(box, key(vk::home));
  dialog_key(box, key(vk::del));
  dialog_key(box, typed('p'));
  EXPECT_EQ(box.value, "pic.vix");
  dialog_key(box, key(vk::end));
  dialog_key(box, key(vk::left));
  dialog_key(box, typed(0xE9));  // é is two bytes in UTF-8
  EXPECT_EQ(box.value, "pic.vi\xC3\xA9x");
  dialog_key(box, key(vk::left));
  dialog_key(box, key(vk::del));
  EXPECT_EQ(box.value, "pic.vix");
  dialog_key(box, typed(27));  // control characters are not text
  EXPECT_EQ(box.value, "pic.vix");
  EXPECT_EQ(box.result, dialog_result::open);
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.result, dialog_result::ok);
  dialog_key(box, typed('z'));  // an answered box takes no more keys
  EXPECT_EQ(box.value, "pic.vix");
}

TEST(DialogBox, SavePromptNeedsANameAndEscapeCancels) {
  dialog_box box = make_save_prompt("/tmp");
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.result, dialog_result::open);
  dialog_key(box, typed('a'));
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.result, dialog_result::ok);
  box = make_save_prompt("/tmp");
  dialog_key(box, key(vk::escape));
  EXPECT_EQ(box.result, dialog_result::cancel);
}

// Where the rightmost pixel of the last button's face lies on the screen. The caption bar is
// skipped: its text has grey edges, some of them the face's grey.
std::pair<int, int> last_button_face(const dialog_box& box) {
  surface image;
  paint_dialog(box, image);
  std::pair<int, int> found{-1, -1};
  for (int y = 0; y < image.height; ++y) {
    if (image.at(1, y) == canvas_to_pixel(0x333333)) continue;
    for (int x = 0; x < image.width; ++x)
      if (image.at(x, y) == canvas_to_pixel(0xC0C0C0) && x > found.first) found = {x, y};
  }
  int left = 0, top = 0;
  place_dialog(image, left, top);
  return {left + found.first, top + found.second};
}

TEST(DialogBox, AClickOnAButtonPressesIt) {
  dialog_box box = make_confirm_box("Confirm", "q");
  const auto [x, y] = last_button_face(box);
  dialog_key(box, click_event(x, y - 30));  // on the box, above the buttons
  EXPECT_EQ(box.result, dialog_result::open);
  dialog_key(box, click_event(x, y));
  EXPECT_EQ(box.result, dialog_result::no);
}

TEST(DialogBox, TabMovesTheFocusFromTheFieldToTheButtonsAndEnterPressesIt) {
  dialog_box box = make_input_box("Change file name", "New file name", "a.vic");
  const int cancel_face = last_button_face(box).first;
  dialog_key(box, key(vk::tab));
  dialog_key(box, key(vk::tab));
  EXPECT_EQ(last_button_face(box).first, cancel_face - 1);  // Cancel's focus frame
  dialog_key(box, typed('x'));                              // the field has lost the focus
  dialog_key(box, key(vk::enter));
  EXPECT_EQ(box.value, "a.vic");
  EXPECT_EQ(box.result, dialog_result::cancel);
}

TEST(DialogBox, PaintsAFramedBoxThatFitsTheScreen) {
  dialog_box box = make_message_box("Velora2003", "Dir is not empty");
  surface image;
  paint_dialog(box, image);
  ASSERT_TRUE(image.valid());
  EXPECT_LE(image.width, screen_width);
  EXPECT_EQ(image.at(0, 0), canvas_to_pixel(0x444444));
  EXPECT_EQ(image.at(image.width / 2, 1), canvas_to_pixel(0x333333));
  int x = -1, y = -1;
  place_dialog(image, x, y);
  EXPECT_EQ(x, (screen_width - image.width) / 2);
  EXPECT_GE(y, 0);
}

}  // namespace
