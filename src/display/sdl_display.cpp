#include "display/sdl_display.h"

#include <SDL.h>
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display/frame_compose.h"
#include "display/sdl_keys.h"
#include "display/sdl_window_manager.h"
#include "display/session_bus.h"
#include "surface/canvas.h"

namespace {

constexpr const char* window_title = "Velora2003 beta version";

// Appends one character event per code point of UTF-8 text.
void push_characters(std::deque<input_event>& out, const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    const int len = *p < 0x80         ? 1
                    : (*p >> 5) == 6  ? 2
                    : (*p >> 4) == 14 ? 3
                    : (*p >> 3) == 30 ? 4
                                      : 0;
    if (len == 0) {
      ++p;
      continue;
    }
    uint32_t cp = len == 1 ? *p : *p & (0x7F >> len);
    int k = 1;
    for (; k < len && (p[k] >> 6) == 2; ++k) cp = (cp << 6) | (p[k] & 0x3F);
    p += k;
    if (k < len) continue;
    input_event e;
    e.type = input_event::kind::character;
    e.character = cp;
    out.push_back(e);
  }
}

// Left to itself SDL tries every driver it has, some noisily and the windowless ones last
// (the viewer would then run unseen); unless SDL_VIDEODRIVER names drivers, it tries those
// the environment names a display for.
void choose_drivers() {
  const char* named = std::getenv("SDL_VIDEODRIVER");
  if (named && *named) return;
  std::string drivers;
  for (const auto& [variable, driver] :
       {std::pair{"DISPLAY", "x11"}, std::pair{"WAYLAND_DISPLAY", "wayland"}}) {
    const char* value = std::getenv(variable);
    if (!value || !*value) continue;
    if (!drivers.empty()) drivers += ',';
    drivers += driver;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

// The whole of the first display.
SDL_Rect desktop_bounds() {
  SDL_Rect bounds{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen_width, screen_height};
  SDL_Rect display_bounds{};
  if (SDL_GetDisplayBounds(0, &display_bounds) == 0 && display_bounds.w > 0 && display_bounds.h > 0)
    bounds = display_bounds;
  return bounds;
}

// A Mesa GL driver sets up state once per process that it never frees, and it is unloaded when
// SDL closes the X display: that state is then lost, and the leak checker reports it from a
// module it can no longer name. Kept loaded until the process ends, the driver still owns it.
void keep_gl_drivers_loaded() {
  std::vector<std::string> drivers;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* found) {
        const std::string_view path = info->dlpi_name;
        if (path.find("/dri/") != std::string_view::npos)
          static_cast<std::vector<std::string>*>(found)->emplace_back(path);
        return 0;
      },
      &drivers);
  // The handles are never closed: that is the point.
  for (const std::string& driver : drivers)
    ::dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

input_event event_of(input_event::kind type) {
  input_event e;
  e.type = type;
  return e;
}

}  // namespace

sdl_display::~sdl_display() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (video_ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool sdl_display::initialize() {
  // The program handles SIGINT and SIGTERM itself.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (!video_ready_) {
    choose_drivers();
    keep_sdl_off_absent_session_bus();
    video_ready_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }
  const int scale = std::max(options_.scale, 1);
  fullscreen_ = !options_.windowed;
  if (video_ready_)
    window_ = SDL_CreateWindow(window_title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               screen_width * scale, screen_height * scale, SDL_WINDOW_HIDDEN);
  // The renderer may make the window anew (for OpenGL): it is placed after that.
  if (window_) {
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    keep_gl_drivers_loaded();
  }
  if (!renderer_ || SDL_RenderSetLogicalSize(renderer_, screen_width, screen_height) != 0 ||
      !create_texture()) {
    const std::string why = SDL_GetError();
    error_ = std::string(display_mode_error) + "\nThe screen could not be opened" +
             (why.empty() ? "." : ": " + why);
    return false;
  }
  show_window();
  SDL_RenderSetIntegerScale(renderer_, options_.integer_scale ? SDL_TRUE : SDL_FALSE);
  choose_filtering();
  return start_surfaces();
}

bool sdl_display::create_texture() {
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                               screen_width, screen_height);
  if (texture_) SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  return texture_ != nullptr;
}

// Exact multiples of 800x600 (1:1 included) and --integer-scale stay sharp; a fractional
// fit is smoothed.
void sdl_display::choose_filtering() {
  if (!texture_) return;
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  const bool exact = w > 0 && w % screen_width == 0 && h % screen_height == 0 &&
                     w / screen_width == h / screen_height;
  SDL_SetTextureScaleMode(
      texture_, exact || options_.integer_scale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

// A window manager takes up full screen when the window is shown; without one the window is
// moved over the display once it is there.
void sdl_display::show_window() {
  managed_ = window_manager_runs(window_);
  if (fullscreen_ && managed_) enter_fullscreen();
  SDL_ShowWindow(window_);
  if (fullscreen_ && !managed_) enter_fullscreen();
}

// A window manager is asked for full screen. Without one nobody would act on that request
// (and SDL would wait for it to be granted), so the window itself covers the display.
void sdl_display::enter_fullscreen() {
  if (managed_) {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return;
  }
  const SDL_Rect place = desktop_bounds();
  SDL_SetWindowSize(window_, place.w, place.h);
  SDL_SetWindowPosition(window_, place.x, place.y);
}

void sdl_display::leave_fullscreen() {
  if (managed_) SDL_SetWindowFullscreen(window_, 0);
  const int scale = std::max(options_.scale, 1);
  SDL_SetWindowSize(window_, screen_width * scale, screen_height * scale);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void sdl_display::toggle_fullscreen() {
  fullscreen_ = !fullscreen_;
  if (fullscreen_)
    enter_fullscreen();
  else
    leave_fullscreen();
  choose_filtering();
  pending_.push_back(event_of(input_event::kind::expose));
}

void sdl_display::present(std::span<const overlay> overlays) {
  if (!initialized_) return;
  restore_if_lost();
  void* pixels = nullptr;
  int pitch = 0;
  if (!texture_ || SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
  compose_frame(display_surface, overlays, static_cast<uint32_t*>(pixels), pitch / 4);
  SDL_UnlockTexture(texture_);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

unsigned sdl_display::refresh_rate() {
  if (!window_) return 0;
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0)
    return static_cast<unsigned>(mode.refresh_rate);
  const int index = SDL_GetWindowDisplayIndex(window_);
  if (index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0)
    return static_cast<unsigned>(mode.refresh_rate);
  return 0;
}

uint64_t sdl_display::now_ms() {
  return SDL_GetTicks64();
}

bool sdl_display::wait_event(int timeout_ms, input_event& event) {
  const uint64_t deadline = now_ms() + static_cast<uint64_t>(std::max(timeout_ms, 0));
  while (pending_.empty()) {
    if (!video_ready_) return false;
    const uint64_t now = now_ms();
    SDL_Event e;
    const int got = now < deadline ? SDL_WaitEventTimeout(&e, static_cast<int>(deadline - now))
                                   : SDL_PollEvent(&e);
    if (!got) return false;
    translate(e);
  }
  event = pending_.front();
  pending_.pop_front();
  return true;
}

void sdl_display::translate_key(const SDL_KeyboardEvent& e) {
  if (e.keysym.sym == SDLK_F11) {
    if (!e.repeat) toggle_fullscreen();
    return;
  }
  // A key with no virtual-key code still comes as key 0: the character it types is paired
  // with it, as every other key's is.
  const int vk = vk_from_sdl_keycode(e.keysym.sym);
  input_event key = event_of(input_event::kind::key_down);
  key.key = vk;
  key.ctrl = (e.keysym.mod & KMOD_CTRL) != 0;
  pending_.push_back(key);
  // These keys produce characters that SDL's text input does not report.
  if (vk == vk::enter || vk == vk::escape || vk == vk::back) {
    input_event ch = event_of(input_event::kind::character);
    ch.character = static_cast<uint32_t>(vk);
    pending_.push_back(ch);
  }
}

void sdl_display::translate_window(const SDL_WindowEvent& e) {
  switch (e.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      active_ = true;
      pending_.push_back(event_of(input_event::kind::focus_gained));
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      active_ = false;
      pending_.push_back(event_of(input_event::kind::focus_lost));
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      active_ = false;
      break;
    case SDL_WINDOWEVENT_RESTORED:
      active_ = true;
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      choose_filtering();
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      pending_.push_back(event_of(input_event::kind::expose));
      break;
    default:
      break;
  }
}

void sdl_display::translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      pending_.push_back(event_of(input_event::kind::quit));
      break;
    case SDL_KEYDOWN:
      translate_key(e.key);
      break;
    case SDL_TEXTINPUT:
      push_characters(pending_, e.text.text);
      break;
    case SDL_MOUSEWHEEL: {
      const int y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      if (y == 0) break;
      input_event wheel = event_of(input_event::kind::wheel);
      wheel.wheel = y;
      pending_.push_back(wheel);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      // The renderer has already mapped the position to logical 800x600 coordinates.
      if (e.button.button == SDL_BUTTON_LEFT && e.button.x >= 0 && e.button.x < screen_width &&
          e.button.y >= 0 && e.button.y < screen_height) {
        input_event click = event_of(input_event::kind::click);
        click.x = e.button.x;
        click.y = e.button.y;
        click.clicks = e.button.clicks;
        pending_.push_back(click);
      }
      break;
    case SDL_WINDOWEVENT:
      translate_window(e.window);
      break;
    case SDL_RENDER_DEVICE_RESET:
      create_texture();
      choose_filtering();
      [[fallthrough]];
    case SDL_RENDER_TARGETS_RESET:
      lost_ = true;
      pending_.push_back(event_of(input_event::kind::expose));
      break;
    default:
      break;
  }
}
