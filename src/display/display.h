#pragma once
// What the program needs of a screen: one interface, an SDL backend and a headless one.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "display/input.h"
#include "surface/canvas.h"
#include "surface/surface.h"

// What the viewer says when it gets no screen; a second line may say why.
inline constexpr std::string_view display_mode_error =
    "Display mode cannot be changed (800x600 32bit)";

// A surface composed over display_surface at present time while it is visible
// (the browser grid at (21, 72), a dialog box).
struct overlay {
  const surface* image = nullptr;
  int x = 0;
  int y = 0;
};

class display {
 public:
  virtual ~display() = default;

  // Raised once by initialize() after the surfaces exist, then on_restore_surface.
  std::function<void()> on_initialize_surface;
  // Raised after initialisation and after every loss of the screen, before it is presented.
  std::function<void()> on_restore_surface;

  surface display_surface;

  // Opens the screen and makes display_surface (cleared to 0); false with error() set
  // (display_mode_error, perhaps with a line saying why) when no screen can be had.
  virtual bool initialize() = 0;
  bool initialized() const { return initialized_; }
  const std::string& error() const { return error_; }

  // Shows display_surface with the overlays on top, after the vertical blank. After a loss,
  // clears display_surface to 0 and raises on_restore_surface first.
  virtual void present(std::span<const overlay> overlays) = 0;

  // Refresh rate of the current mode in hertz; 0 when unknown.
  virtual unsigned refresh_rate() = 0;

  // Waits at most timeout_ms (0: no wait) for the next input event; false when none came.
  virtual bool wait_event(int timeout_ms, input_event& event) = 0;

  // Milliseconds on a monotonic clock.
  virtual uint64_t now_ms() = 0;

  // Whether the program has the input focus (the frame timer ticks only then).
  virtual bool active() = 0;

 protected:
  // Makes display_surface (cleared to 0) once the screen is open, raises on_initialize_surface
  // and on_restore_surface; true.
  bool start_surfaces() {
    display_surface = create_surface(screen_width, screen_height);
    initialized_ = true;
    if (on_initialize_surface) on_initialize_surface();
    if (on_restore_surface) on_restore_surface();
    return true;
  }

  // After a loss: clears display_surface to 0 and raises on_restore_surface.
  void restore_if_lost() {
    if (!lost_) return;
    lost_ = false;
    fill_surface(display_surface, 0);
    if (on_restore_surface) on_restore_surface();
  }

  bool initialized_ = false;
  bool lost_ = false;
  std::string error_;
};
