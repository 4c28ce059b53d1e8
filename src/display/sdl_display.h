#pragma once
// The real screen: an SDL window (full screen on the desktop by default) showing the
// 800x600 frame letterboxed, presented with vertical-blank sync.
#include <deque>

#include "display/display.h"
#include "display/sdl_screen.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;
struct SDL_KeyboardEvent;
struct SDL_WindowEvent;

class sdl_display : public display {
 public:
  explicit sdl_display(const sdl_display_options& options) : options_(options) {}
  ~sdl_display() override;
  sdl_display(const sdl_display&) = delete;
  sdl_display& operator=(const sdl_display&) = delete;

  // Opens the window, renderer and streaming texture; false with the mode error when any
  // of them cannot be had.
  bool initialize() override;
  // Composes display_surface and overlays into the texture and presents it; a renderer
  // reset since the last present first clears display_surface and raises on_restore_surface.
  void present(std::span<const overlay> overlays) override;
  unsigned refresh_rate() override;
  // Translates SDL events (F11 is taken here: it toggles full screen and window).
  bool wait_event(int timeout_ms, input_event& event) override;
  uint64_t now_ms() override;
  bool active() override { return active_; }

 private:
  bool create_texture();
  void show_window();
  void enter_fullscreen();
  void leave_fullscreen();
  void toggle_fullscreen();
  void choose_filtering();
  void translate(const SDL_Event& e);
  void translate_key(const SDL_KeyboardEvent& e);
  void translate_window(const SDL_WindowEvent& e);

  sdl_display_options options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool video_ready_ = false;
  bool fullscreen_ = false;
  bool managed_ = true;  // a window manager looks after the window
  bool active_ = true;
  std::deque<input_event> pending_;
};
