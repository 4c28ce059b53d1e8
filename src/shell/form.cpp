#include "shell/form.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "display/canvas.h"
#include "display/text.h"
#include "shell/startup_placeholders.h"

namespace {

constexpr int interval_without_rate_ms = 25;

std::string artwork_folder(const std::string& data_dir) {
  return data_dir + "/gfx";
}
std::string directory_font_file(const std::string& data_dir) {
  return data_dir + "/cbm-directory-charset.bdf";
}

}  // namespace

int frame_interval_ms(unsigned rate) {
  if (rate == 0) return interval_without_rate_ms;
  return static_cast<int>(1000.0 / rate);  // truncated toward zero: 60 Hz gives 16 ms
}

void report_error_on_stderr(const std::string& message) {
  std::fprintf(stderr, "velora2003: %s\n", message.c_str());
}

TForm1::TForm1(display& dxdraw, std::string data_dir, error_report report_error)
    : DXDraw(dxdraw), data_dir(std::move(data_dir)), report_error(std::move(report_error)) {
  DXDraw.on_initialize_surface = [this] { DXDrawInitializeSurface(); };
  DXDraw.on_restore_surface = [this] { DXDrawRestoreSurface(); };
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
  DXDraw.on_initialize_surface = nullptr;
  DXDraw.on_restore_surface = nullptr;
}

void TForm1::FormCreate() {
  std::error_code ec;
  const std::string start_dir = std::filesystem::current_path(ec).string();
  list_directory_placeholder(*this);
  state = app_state{};
  state.current_dir = start_dir;
  if (auto error = load_artwork(Dximagelist, artwork_folder(data_dir))) report_error(*error);
  // Without the font the grid falls back to another face; nothing else depends on it.
  register_font_file(directory_font_file(data_dir));
  load_palette_placeholder(*this);
  DXTimer = frame_timer{};
  start_timer(DXTimer, DXDraw.now_ms());
}

void TForm1::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  unregister_font_file(directory_font_file(data_dir));
}

void TForm1::DXDrawInitializeSurface() {
  work_surface_a = create_surface_like(DXDraw.display_surface);
  fill_surface(work_surface_a, 0);
  work_surface_b = create_surface_like(DXDraw.display_surface);
  fill_surface(work_surface_b, 0);
  // Always the each-frame interval, whatever interlace_rate holds.
  DXTimer.interval = frame_interval_ms(DXDraw.refresh_rate());
}

void TForm1::DXDrawRestoreSurface() {
  draw_frame_placeholder(DXDraw.display_surface, state);
}

void TForm1::DXTimerTimer() {
  if (!state.picture_shown) {
    draw_scroll_indicator_placeholder(DXDraw.display_surface, grid_visible);
  } else if (state.presenting) {
    const bool from_a = !state.two_surface_picture || state.frame_toggle;
    copy_rect(DXDraw.display_surface, picture_area_x, picture_area_y,
              from_a ? work_surface_a : work_surface_b, picture_area);
    state.frame_toggle = !state.frame_toggle;
  }
  present_screen();
}

void TForm1::present_screen() {
  overlay layers[2];
  int count = 0;
  if (grid_visible && grid_image) layers[count++] = {grid_image, grid_x, grid_y};
  if (modal_overlay.image) layers[count++] = modal_overlay;
  DXDraw.present(std::span<const overlay>(layers, count));
}
