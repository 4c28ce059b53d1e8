// The floor of the viewer's first frame: the least an SDL program does to show one, a window of
// 800x600 with a renderer as the viewer asks for it (synchronised with the vertical blank),
// cleared and presented once.
#include <SDL.h>

int main() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window =
      SDL_CreateWindow("first frame", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
  SDL_Renderer* renderer =
      window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC) : nullptr;
  if (!renderer) return 1;
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
  SDL_Quit();
  return 0;
}
