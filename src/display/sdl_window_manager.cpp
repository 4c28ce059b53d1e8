#include "display/sdl_window_manager.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace {

bool caught_error = false;

int note_error(Display* /*display*/, XErrorEvent* /*error*/) {
  caught_error = true;
  return 0;
}

// The window that the property names on a window, or None.
Window window_named(Display* display, Window on, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  Window named = None;
  if (XGetWindowProperty(display, on, property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &left, &data) == Success &&
      type == XA_WINDOW && format == 32 && count == 1 && data)
    named = static_cast<Window>(*reinterpret_cast<const unsigned long*>(data));
  if (data) XFree(data);
  return named;
}

}  // namespace

bool window_manager_runs(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  // An EWMH window manager names its check window on the root, and the check window names
  // itself: a mark left on the root by one that has ended names a window that is gone.
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  XSync(display, False);
  caught_error = false;
  const auto previous = XSetErrorHandler(note_error);
  const Window named = window_named(display, DefaultRootWindow(display), check);
  const bool runs = named != None && window_named(display, named, check) == named;
  XSync(display, False);
  XSetErrorHandler(previous);
  return runs && !caught_error;
}
