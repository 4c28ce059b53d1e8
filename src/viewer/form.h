#pragma once
// The main form: the viewer's state, its work surfaces, the frame timer, the
// artwork and the browser, with the form's event handlers.
#include <deque>
#include <functional>
#include <string>

#include "base/file_buffer.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/container_stack.h"
#include "display/artwork.h"
#include "display/display.h"
#include "display/frame_timer.h"
#include "formats/picture_model.h"
#include "output/export_bitmap.h"
#include "render/palette.h"
#include "render/picture_context.h"
#include "viewer/app_state.h"
#include "viewer/dialogs.h"
#include "viewer/frame_loop.h"
#include "viewer/modal_dialogs.h"
#include "viewer/start_target.h"

using error_report = std::function<void(const std::string&)>;

// The application's general error report before the screen is up: stderr.
void report_error_on_stderr(const std::string& message);

// What the form is made with. The seams default to the host's own directories and drives and
// to modal boxes on the screen; tests put fixed lists and scripted answers in their place.
struct form_setup {
  std::string data_dir = {};      // the artwork, the directory font and the palette presets
  std::string palette_file = {};  // a --palette choice resolved to a file; empty: the usual lookup
  std::string chargen_file = {};  // a --chargen character ROM; empty: the usual lookup
  error_report report_error = report_error_on_stderr;
  dialogs* questions = nullptr;        // not owned
  directory_lister* lister = nullptr;  // not owned
  drive_provider* drives = nullptr;    // not owned
};

// The large fixed buffers of the picture chain, made once. Every byte is zero until a picture
// is read, so the program's one in static storage is neither written nor mapped before then.
struct picture_memory {
  file_buffer file;
  file_buffer unpacked;                   // a packed picture file's bytes, unpacked
  picture_model model{.canvas = {0, 0}};  // every picture read sets its canvas
  chunky_buffers chunky;
};

// The one picture_memory of the program, in static storage.
picture_memory& the_picture_memory();
// The containers the program has entered, in static storage.
container_stack& the_container_stack();

class TForm1 final : public frame_client {
 public:
  // Creates the form on a display (not yet initialised) and runs FormCreate.
  TForm1(display& dxdraw, form_setup setup);
  // Runs FormDestroy.
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Start-up: the browser listing of the start directory, state defaults, artwork,
  // directory font, palette ("Read beyond end of file." waits for the screen).
  void FormCreate();
  // Exit: unregisters the directory font.
  void FormDestroy();
  // Raised by the display once it is initialised: work surfaces and timer interval.
  void DXDrawInitializeSurface();
  // Raised after initialisation and after every loss: redraws the screen furniture.
  void DXDrawRestoreSurface();
  // One frame tick: scroll indicator or picture copy, then present.
  void DXTimerTimer();

  // Routes one input event: keys to the browser or the picture screen, characters only to the
  // picture screen (frame_loop.h tells which characters); a double click on a list row opens
  // it as Enter would.
  void handle_input(const input_event& event);
  // Browser keys; handle_input lets the grid's own navigation follow. BackSpace goes up, as
  // opening the ".." row or the row that leaves a disk image does.
  void tdirKeyDown(int key, bool ctrl);
  // Picture-screen keys: S saves, PageDown and PageUp step through the host listing; the
  // cursor keys, Home and End move the window over a picture larger than the picture area.
  void FormKeyDown(int key);
  // Enter or Escape on the picture or help screen returns to the browser.
  void FormKeyPress(uint32_t key);
  // Reads, loads, decodes and renders the picture of a grid row, then hides the browser.
  // False, with a message and nothing changed, when its file or entry cannot be read whole.
  bool show_picture(int row, picture_source source);
  // Saves work_surface_a under the name given (PNG for ".png", else BMP); failures go to a
  // message box.
  void export_bmp(const std::string& file_name);
  // Opens what the command line named: selects a picture file's or disk image's row and
  // opens it as Enter would, or says why it cannot; a folder needs nothing.
  void open_start(const start_target& start);
  // Selects a list row (clamped to the list) and scrolls it into view, as a click would.
  void select_row(int row);

  // Messages raised where no box can open (at start-up, inside a present), kept until the
  // frame loop shows them.
  bool has_pending_messages() const { return !pending_messages_.empty(); }
  void show_pending_messages();

  // What the frame loop and the modal boxes use.
  display& screen() override { return DXDraw; }
  frame_timer& timer() override { return DXTimer; }
  void tick() override { DXTimerTimer(); }
  void present_screen() override;
  void show_overlay(const overlay* box) override { modal_overlay_ = box; }
  bool close_requested() const override { return close_requested_; }
  void Close() override { close_requested_ = true; }

  // What is on screen, for the program's own checks and for tests.
  const app_state& state() const { return state_; }
  const tdir& grid() const { return tdir_browser.grid; }
  bool grid_visible() const { return grid_visible_; }
  const surface& grid_image() const { return grid_surface_; }
  const surface& work_surface_a() const { return work_surface_a_; }
  const surface& work_surface_b() const { return work_surface_b_; }
  const palette_colours& palette() const { return palette_; }

 private:
  // Keeps a message until the frame loop can show it.
  void report_later(const std::string& text) { pending_messages_.push_back(text); }
  // The questions asked through Dialogs; tell is also the general error report of the
  // running viewer. The characters of the keys a box took reach nothing after it.
  bool ask(const std::string& question);
  void tell(const std::string& text);
  void modal_box_ran() { characters_to_form_ = false; }

  // The character ROM text screens are drawn with, into the model.
  void load_character_rom();
  void open_selected_row();
  // Reads the file or container entry of a picture row into the file buffer (a PC64 file's
  // payload from index 0); its size, or the message that says why it cannot be read.
  result<uint32_t> read_row_file(int row, picture_source source);
  void open_parent();
  void apply_directory_change(const std::string& current_dir);
  void redraw_frame();
  void paint_browser_grid();
  void set_inertia(int index);
  void set_scanline(int index);
  void set_interlace_rate(uint8_t rate, unsigned interval_without_rate);
  void rename_selected_file();
  // Asks, then deletes the selected row's file or removes its directory, as kind says.
  void delete_selected(row_kind kind);
  void show_neighbour_picture(int row);
  // Writes where the window lies into the caption of a picture larger than the picture area.
  void show_window_position();
  void next_picture();
  void previous_picture();
  void save_picture();

  display& DXDraw;
  form_setup setup_;
  app_state state_;
  surface work_surface_a_;
  surface work_surface_b_;
  frame_timer DXTimer;
  artwork_list Dximagelist;
  palette_colours palette_ = default_palette;
  picture_memory& memory_;
  container_stack& containers_;
  export_bitmap DXDIB;

  // The browser, its grid painted into grid_surface_ and shown at (grid_left, grid_top)
  // while visible, and the host seams it lists through unless the setup gave others.
  posix_directory_lister host_lister_;
  mount_drive_provider host_drives_;
  browser tdir_browser;
  surface grid_surface_;
  bool grid_visible_ = true;

  modal_dialogs own_boxes_{*this};
  dialogs* Dialogs;
  const overlay* modal_overlay_ = nullptr;
  bool close_requested_ = false;
  bool destroyed_ = false;
  bool characters_to_form_ = false;
  std::deque<std::string> pending_messages_;
};
