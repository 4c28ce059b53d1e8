#include "gui/dialog_box.h"

#include <gtest/gtest.h>

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
