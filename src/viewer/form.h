#pragma once
// The main form (unit Unit1): the application state, the work surfaces, the frame timer,
// the artwork and the browser grid's place on screen, with the form's event handlers.
#include <deque>
#include <functional>
#include <string>

#include "browser/browser.h"
#include "d64/d64_read.h"
#include "display/artwork.h"
#include "display/display.h"
#include "display/export_bitmap.h"
#include "display/frame_timer.h"
#include "formats/picture_model.h"
#include "render/palette.h"
#include "render/picture_context.h"
#include "viewer/app_state.h"
#include "viewer/dialogs.h"
#include "viewer/start_target.h"

constexpr int picture_area_x = 70;
constexpr int picture_area_y = 50;
constexpr rect picture_area = {0, 0, 659, 549};  // the work surfaces' picture and caption

using error_report = std::function<void(const std::string&)>;

// The large fixed buffers of the picture chain and the listed disk image, made once.
struct picture_memory {
  file_buffer file;
  picture_model model;
  chunky_buffers chunky;
  d64_reader disk;
};

// The one picture_memory of the program, in static storage.
picture_memory& the_picture_memory();

// The application's general error report before the screen is up: stderr.
void report_error_on_stderr(const std::string& message);

// The frame timer interval for a refresh rate: trunc(1000 / rate) ms, 25 ms for rate 0.
int frame_interval_ms(unsigned rate);

class TForm1 {
 public:
  // Creates the form on a display (not yet initialised) and runs FormCreate; the data
  // files are read from data_dir, and failures go to report_error.
  // palette_file is a --palette choice already resolved to a file; empty: the usual lookup.
  TForm1(display& dxdraw, std::string data_dir, error_report report_error = report_error_on_stderr,
         std::string palette_file = {});
  // Runs FormDestroy.
  ~TForm1();
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

  // Presents display_surface with the grid (while visible) and the modal overlay on top.
  void present_screen();

  // Reads, loads, decodes and renders the picture of a grid row, then hides the browser.
  // False, with a message and nothing changed, when a host file cannot be read whole.
  bool show_picture(int row, picture_source source);
  // Saves work_surface_a as a BMP file under the name given; failures go to a message box.
  void export_bmp(const std::string& file_name);
  // Routes one input event: keys to the browser or the picture screen, characters only to
  // the picture screen and only when their own key went there and no box has run since.
  void handle_input(const input_event& event);
  // Browser keys; handle_input lets the grid's own navigation follow.
  void tdirKeyDown(int key, bool ctrl);
  // Picture-screen keys: S saves, PageDown and PageUp step through the host listing.
  void FormKeyDown(int key);
  // Enter or Escape on the picture or help screen returns to the browser.
  void FormKeyPress(uint32_t key);
  // Opens what the command line named: selects a picture file's or disk image's row and
  // opens it as Enter would; a folder needs nothing.
  void open_start(const start_target& start);
  // Repaints grid_surface from the browser grid.
  void paint_browser_grid();

  // Messages raised where no box can open (at start-up, inside a present), kept until the
  // frame loop shows them.
  bool has_pending_messages() const { return !pending_messages_.empty(); }
  void show_pending_messages();
  // Asks the frame loop to end the program.
  void Close() { close_requested = true; }

  display& DXDraw;
  std::string data_dir;
  app_state state;
  surface work_surface_a;
  surface work_surface_b;
  frame_timer DXTimer;
  artwork_list Dximagelist;
  // The browser grid's painted cells (grid_width x grid_height), shown at (grid_left,
  // grid_top) while grid_visible.
  bool grid_visible = true;
  const surface* grid_image = nullptr;
  // A modal box drawn over everything while it waits for the user.
  overlay modal_overlay;
  // The browser: the grid model, the name list and the host seams it lists through.
  posix_directory_lister host_lister;
  mount_drive_provider host_drives;
  browser tdir_browser;
  surface grid_surface;  // tdir_browser.grid painted, grid_width x grid_height
  palette_colours palette = default_palette;
  picture_memory& memory = the_picture_memory();
  export_bitmap DXDIB;
  // Who answers the program's questions: modal boxes unless a test sets another.
  dialogs* Dialogs = nullptr;
  bool close_requested = false;
  // The application's error report before the screen is up.
  error_report report_error;

 private:
  // Keeps a message until the frame loop can show it.
  void report_later(const std::string& text) { pending_messages_.push_back(text); }
  // The questions asked through Dialogs; tell is also the general error report of the
  // running viewer. The characters of the keys a box took reach nothing after it.
  bool ask(const std::string& question);
  void tell(const std::string& text);
  void modal_box_ran() { characters_to_form_ = false; }

  void set_inertia(int index);
  void set_scanline(int index);
  void set_interlace_rate(uint8_t rate, unsigned interval_without_rate);
  void rename_selected_file();
  void delete_selected_file();
  void remove_selected_directory();
  void show_neighbour_picture(int row);
  void next_picture();
  void previous_picture();
  void save_picture();

  std::string palette_file_;
  bool destroyed_ = false;
  bool characters_to_form_ = false;
  std::deque<std::string> pending_messages_;
};
