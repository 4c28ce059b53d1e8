#pragma once
// The main form (unit Unit1): the application state, the work surfaces, the frame timer,
// the artwork and the browser grid's place on screen, with the form's event handlers.
#include <functional>
#include <string>

#include "display/artwork.h"
#include "display/display.h"
#include "display/frame_timer.h"
#include "shell/app_state.h"

constexpr int picture_area_x = 70;
constexpr int picture_area_y = 50;
constexpr rect picture_area = {0, 0, 659, 549};  // the work surfaces' picture and caption
constexpr int grid_x = 21;
constexpr int grid_y = 72;
constexpr int grid_width = 564;
constexpr int grid_height = 453;

using error_report = std::function<void(const std::string&)>;

// The application's general error report until the program has message boxes: stderr.
void report_error_on_stderr(const std::string& message);

// The frame timer interval for a refresh rate: trunc(1000 / rate) ms, 25 ms for rate 0.
int frame_interval_ms(unsigned rate);

class TForm1 {
 public:
  // Creates the form on a display (not yet initialised) and runs FormCreate; the data
  // files are read from data_dir, and failures go to report_error.
  TForm1(display& dxdraw, std::string data_dir, error_report report_error = report_error_on_stderr);
  // Runs FormDestroy.
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Start-up: state defaults, the start directory, artwork, directory font, palette.
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
  // Asks the frame loop to end the program.
  void Close() { close_requested = true; }

  display& DXDraw;
  std::string data_dir;
  app_state state;
  surface work_surface_a;
  surface work_surface_b;
  frame_timer DXTimer;
  artwork_list Dximagelist;
  // The browser grid's painted cells (grid_width x grid_height), shown at (grid_x, grid_y)
  // while grid_visible; none until the browser supplies them.
  bool grid_visible = true;
  const surface* grid_image = nullptr;
  // A modal box drawn over everything while it waits for the user.
  overlay modal_overlay;
  bool close_requested = false;
  // The application's error report: a message for the user.
  error_report report_error;

 private:
  bool destroyed_ = false;
};
