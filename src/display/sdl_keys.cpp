#include "display/sdl_keys.h"

#include <SDL_keycode.h>

#include "display/input.h"

int vk_from_sdl_keycode(int32_t keycode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
  if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + (keycode - SDLK_0);
  if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return vk::f1 + (keycode - SDLK_F1);
  if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) return 0x61 + (keycode - SDLK_KP_1);
  switch (keycode) {
    case SDLK_BACKSPACE:
      return vk::back;
    case SDLK_TAB:
      return vk::tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return vk::enter;
    case SDLK_ESCAPE:
      return vk::escape;
    case SDLK_SPACE:
      return vk::space;
    case SDLK_PAGEUP:
      return vk::page_up;
    case SDLK_PAGEDOWN:
      return vk::page_down;
    case SDLK_END:
      return vk::end;
    case SDLK_HOME:
      return vk::home;
    case SDLK_LEFT:
      return vk::left;
    case SDLK_UP:
      return vk::up;
    case SDLK_RIGHT:
      return vk::right;
    case SDLK_DOWN:
      return vk::down;
    case SDLK_INSERT:
      return 45;
    case SDLK_DELETE:
      return vk::del;
    case SDLK_KP_0:
      return 0x60;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return 17;
    case SDLK_LALT:
    case SDLK_RALT:
      return 18;
    default:
      return 0;
  }
}
