// Preloaded into the viewer by scripts/bench: at the first frame the program presents, it
// writes the monotonic clock in nanoseconds to the file VELORA_FIRST_FRAME_FILE names and
// ends the process, so that the bench measures from exec to the first frame on screen.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" __attribute__((visibility("default"))) void SDL_RenderPresent(SDL_Renderer* renderer) {
  // SDL is loaded with the viewer's screen module, outside the global scope.
  void* sdl = ::dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
  const auto present =
      sdl ? reinterpret_cast<void (*)(SDL_Renderer*)>(::dlsym(sdl, "SDL_RenderPresent")) : nullptr;
  if (present) present(renderer);
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  if (const char* name = std::getenv("VELORA_FIRST_FRAME_FILE")) {
    if (FILE* out = std::fopen(name, "w")) {
      std::fprintf(out, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fclose(out);
    }
  }
  ::_exit(0);
}
