#include "viewer/form.h"

#include <climits>
#include <cstdio>

#include "base/escaped_text.h"
#include "browser/grid_painter.h"
#include "gui/frame.h"
#include "gui/panels.h"
#include "gui/scroll_indicator.h"
#include "render/character_rom_lookup.h"
#include "render/palette_lookup.h"
#include "render/work_surfaces.h"
#include "surface/canvas.h"
#include "text/text.h"
#include "viewer/frame_tick.h"

namespace {

std::string artwork_folder(const std::string& data_dir) {
  return data_dir + "/gfx";
}
std::string directory_font_file(const std::string& data_dir) {
  return data_dir + "/cbm-directory-charset.bdf";
}

}  // namespace

namespace {

constinit picture_memory program_memory;

}  // namespace

picture_memory& the_picture_memory() {
  return program_memory;
}

container_stack& the_container_stack() {
  static container_stack containers;
  return containers;
}

void report_error_on_stderr(const std::string& message) {
  std::fprintf(stderr, "velora2003: %s\n", message.c_str());
}

TForm1::TForm1(display& dxdraw, form_setup setup)
    : DXDraw(dxdraw),
      setup_(std::move(setup)),
      memory_(the_picture_memory()),
      containers_(the_container_stack()),
      Dialogs(setup_.questions ? setup_.questions : &own_boxes_) {
  DXDraw.on_initialize_surface = [this] { DXDrawInitializeSurface(); };
  DXDraw.on_restore_surface = [this] { DXDrawRestoreSurface(); };
  tdir_browser.lister = setup_.lister ? setup_.lister : &host_lister_;
  tdir_browser.drives = setup_.drives ? setup_.drives : &host_drives_;
  tdir_browser.opened = &containers_;
  grid_surface_ = create_surface(grid_width, grid_height);
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
  DXDraw.on_initialize_surface = nullptr;
  DXDraw.on_restore_surface = nullptr;
}

void TForm1::FormCreate() {
  const std::string start_dir = host_current_directory();
  // The container stack outlives a form: one made after another starts on the host again.
  containers_.close();
  list_directory(tdir_browser);
  state_ = app_state{};
  // A name is at most NAME_MAX bytes: taking the next picture's name never allocates.
  state_.current_picture_name.reserve(NAME_MAX);
  state_.current_dir = start_dir;
  if (const result<> loaded = load_artwork(Dximagelist, artwork_folder(setup_.data_dir)); !loaded)
    setup_.report_error(loaded.error());
  // Without the font the grid falls back to another face; nothing else depends on it.
  register_font_file(directory_font_file(setup_.data_dir));
  // Looked up from the start directory, which is still the current one.
  const auto palette_source = palette_file_to_load(
      setup_.palette_file.empty() ? std::nullopt : std::optional<std::string>(setup_.palette_file),
      ".", palette_environment_from_process());
  if (palette_source &&
      load_palette(*palette_source, palette_) == palette_load_status::read_beyond_end)
    report_later(std::string(read_beyond_end_of_file) + ".");
  load_character_rom();
  DXTimer = frame_timer{};
  start_timer(DXTimer, DXDraw.now_ms());
  paint_browser_grid();
}

void TForm1::load_character_rom() {
  const result<character_rom> rom = find_character_rom(
      setup_.chargen_file.empty() ? std::nullopt : std::optional<std::string>(setup_.chargen_file),
      setup_.data_dir, chargen_environment_from_process());
  if (rom)
    memory_.model.rom = *rom;
  else
    report_later("Cannot read character ROM " + rom.error());
}

void TForm1::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  unregister_font_file(directory_font_file(setup_.data_dir));
}

void TForm1::DXDrawInitializeSurface() {
  // Made once at the size of the largest picture, then shaped for each picture shown.
  work_surface_a_ = create_work_surface();
  work_surface_b_ = create_work_surface();
  // Always the each-frame interval, whatever interlace_rate holds.
  DXTimer.interval = frame_interval_ms(DXDraw.refresh_rate());
}

void TForm1::DXDrawRestoreSurface() {
  // Raised from inside a present, where no box can open: the message waits for the loop.
  const result<> drawn = draw_frame(
      DXDraw.display_surface, {state_.crt, state_.interlace_rate, state_.current_dir}, Dximagelist);
  if (!drawn) report_later(drawn.error());
}

void TForm1::DXTimerTimer() {
  if (!state_.picture_shown) {
    const tdir& grid = tdir_browser.grid;
    const int visible_rows = tdir_last_full_visible_row(grid) - grid.top_row + 1;
    draw_scroll_indicator(DXDraw.display_surface, visible_rows, grid.row_count, grid.selected_row,
                          grid_visible_);
  } else {
    copy_picture_frame(state_, work_surface_a_, work_surface_b_, DXDraw.display_surface);
  }
  present_screen();
}

void TForm1::present_screen() {
  overlay layers[2];
  int count = 0;
  if (grid_visible_) layers[count++] = {&grid_surface_, grid_left, grid_top};
  if (modal_overlay_) layers[count++] = *modal_overlay_;
  DXDraw.present(std::span<const overlay>(layers, count));
}

void TForm1::paint_browser_grid() {
  paint_grid(grid_surface_, tdir_browser.grid);
}

void TForm1::redraw_frame() {
  const result<> drawn = draw_frame(
      DXDraw.display_surface, {state_.crt, state_.interlace_rate, state_.current_dir}, Dximagelist);
  if (!drawn) tell(drawn.error());
}

void TForm1::select_row(int row) {
  tdir_select_row(tdir_browser.grid, row);
  paint_browser_grid();
}

void TForm1::handle_input(const input_event& event) {
  switch (event.type) {
    case input_event::kind::key_down:
      if (grid_visible_) {
        characters_to_form_ = false;
        tdirKeyDown(event.key, event.ctrl);
        tdir_navigate(tdir_browser.grid, event.key, event.ctrl);
        paint_browser_grid();
      } else {
        // A box opened by this key clears it again.
        characters_to_form_ = true;
        FormKeyDown(event.key);
      }
      break;
    case input_event::kind::character:
      if (characters_to_form_ && !grid_visible_) FormKeyPress(event.character);
      break;
    case input_event::kind::wheel:
      if (grid_visible_) {
        tdir_wheel(tdir_browser.grid, event.wheel);
        paint_browser_grid();
      } else if (state_.picture_shown && wheel_window(state_.window, event.wheel)) {
        show_window_position();
      }
      break;
    case input_event::kind::click:
      if (grid_visible_) {
        // Every second press of a series is a double click: a triple click opens only once.
        if (tdir_click(tdir_browser.grid, event.x - grid_left, event.y - grid_top) &&
            event.clicks % 2 == 0)
          open_selected_row();
        paint_browser_grid();
      }
      break;
    default:
      break;
  }
}

void TForm1::open_start(const start_target& start) {
  if (start.kind == start_kind::folder) return;
  if (select_start_row(tdir_browser, start)) {
    tdirKeyDown(vk::enter, false);
    paint_browser_grid();
    return;
  }
  // What the command line named is not listed: say why it cannot be opened.
  if (start.kind == start_kind::disk_image) {
    const result<> read = containers_.open(start.file_name);
    containers_.close();
    tell("Cannot read disk image " + escaped_text(start.file_name) +
         (read ? "" : ": " + read.error()));
  } else {
    tell("Cannot show " + start.file_name + ": it is no picture of a known format");
  }
}

void TForm1::show_pending_messages() {
  while (!pending_messages_.empty()) {
    const std::string text = pending_messages_.front();
    pending_messages_.pop_front();
    tell(text);
  }
}

bool TForm1::ask(const std::string& question) {
  const bool yes = Dialogs->confirm(question);
  modal_box_ran();
  return yes;
}

void TForm1::tell(const std::string& text) {
  Dialogs->message(text);
  modal_box_ran();
}
