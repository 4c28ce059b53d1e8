#pragma once
// Whether a window manager looks after the SDL window.
struct SDL_Window;

// True where a window manager (or a Wayland compositor) takes requests for full screen; false
// on an X server without one, where nobody would act on them.
bool window_manager_runs(SDL_Window* window);
