#include "display/sdl_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>

#include "display/input.h"
#include "display/sdl_display.h"

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

// A key with no virtual-key code still comes as a key_down (key 0) before the character it
// types, so a box that waits for its own first key_down takes that character.
TEST(SdlKeys, AKeyWithoutACodeComesBeforeItsCharacter) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  sdl_display screen({.windowed = true, .scale = 1, .integer_scale = false});
  if (!screen.initialize()) GTEST_SKIP() << screen.error();
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_PERIOD;
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  std::strcpy(text.text.text, ".");
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  ASSERT_EQ(SDL_PushEvent(&text), 1);
  input_event event;
  do ASSERT_TRUE(screen.wait_event(100, event));
  while (event.type != input_event::kind::key_down);
  EXPECT_EQ(event.key, 0);
  ASSERT_TRUE(screen.wait_event(100, event));
  EXPECT_EQ(event.type, input_event::kind::character);
  EXPECT_EQ(event.character, uint32_t{'.'});
}

}  // namespace
