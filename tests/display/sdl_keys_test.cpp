#include "display/sdl_keys.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include "display/input.h"

namespace {

TEST(SdlKeys, LettersAndDigitsAreTheirUpperCaseCodes) {
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_a), 'A');
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_s), 83);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_z), 'Z');
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_0), '0');
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_9), '9');
}

TEST(SdlKeys, CommandKeysHaveTheirWindowsCodes) {
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_RETURN), 13);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_KP_ENTER), 13);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_ESCAPE), 27);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_F1), 112);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_F10), 121);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_PAGEUP), 33);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_PAGEDOWN), 34);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_END), 35);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_HOME), 36);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_LEFT), 37);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_UP), 38);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_RIGHT), 39);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_DOWN), 40);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_BACKSPACE), vk::back);
}

TEST(SdlKeys, KeysWithoutACodeAreZero) {
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_VOLUMEUP), 0);
  EXPECT_EQ(vk_from_sdl_keycode(SDLK_UNKNOWN), 0);
}

}  // namespace
