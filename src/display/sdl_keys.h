#pragma once
// SDL key codes to the Windows virtual-key codes the program's handlers compare with.
#include <cstdint>

// The virtual-key code of an SDL_Keycode, 0 for keys the program has no code for.
int vk_from_sdl_keycode(int32_t keycode);
