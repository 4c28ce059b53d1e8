#include <algorithm>
#include <functional>

#include "formats/format_table.h"
#include "gui/help_screen.h"
#include "gui/panels.h"
#include "gui/scroll_indicator.h"
#include "support/d64_image.h"
#include "viewer_fixture.h"

namespace {

constexpr uint32_t background = 0x009B8B8B;

class KeysTest : public ViewerTest {
 protected:
  // Blackens the panels so that a redraw shows.
  void wipe_panels() {
    for (int y = 80; y < 260; ++y)
      for (int x = 634; x < 790; ++x)
        screen.display_surface.pixels[static_cast<size_t>(y) * 800 + x] = 0;
  }
  // Whether the screen holds what the drawing gives on top of it.
  bool drawn(const std::function<void(surface&)>& draw) {
    surface expected = screen.display_surface;
    draw(expected);
    return expected.pixels == screen.display_surface.pixels;
  }
  // Moves a setting to index with its own keys, as the user would.
  void press_until(const uint8_t& index, int target, int down_key, int up_key) {
    while (index > target) press(down_key);
    while (index < target) press(up_key);
  }
  void set_inertia(int index) {
    press_until(form->state().crt.inertia_index, index, vk::f3, vk::f4);
  }
  void set_scanline(int index) {
    press_until(form->state().crt.scanline_index, index, vk::f5, vk::f6);
  }
};

TEST_F(KeysTest, InertiaKeysStopAtTheirLimitsAndStillRedrawThePanel) {
  start();
  const auto panel = [&](surface& s) { draw_inertia_panel(s, form->state().crt); };
  set_inertia(0);
  wipe_panels();
  press(vk::f3);
  EXPECT_EQ(form->state().crt.inertia_index, 0);
  EXPECT_DOUBLE_EQ(form->state().crt.inertia_factor, 0.08);
  EXPECT_TRUE(drawn(panel));
  set_inertia(10);
  wipe_panels();
  press(vk::f4);
  EXPECT_EQ(form->state().crt.inertia_index, 10);
  EXPECT_DOUBLE_EQ(form->state().crt.inertia_factor, 0.8);
  EXPECT_TRUE(drawn(panel));
  press(vk::f3);
  EXPECT_EQ(form->state().crt.inertia_index, 9);
}

TEST_F(KeysTest, ScanLineKeysStopAtTheirLimitsAndStillRedrawThePanel) {
  start();
  const auto panel = [&](surface& s) { draw_scanline_panel(s, form->state().crt); };
  set_scanline(0);
  wipe_panels();
  press(vk::f5);
  EXPECT_EQ(form->state().crt.scanline_index, 0);
  for (double f : form->state().crt.scanline_factors) EXPECT_DOUBLE_EQ(f, 0.01);
  EXPECT_TRUE(drawn(panel));
  set_scanline(9);
  wipe_panels();
  press(vk::f6);
  EXPECT_EQ(form->state().crt.scanline_index, 9);
  for (double f : form->state().crt.scanline_factors) EXPECT_DOUBLE_EQ(f, 0.9);
  EXPECT_TRUE(drawn(panel));
  press(vk::f5);
  EXPECT_EQ(form->state().crt.scanline_index, 8);
}

struct IntervalCase {
  unsigned hz;
  int each_frame;
  int every_second_frame;
};

class IntervalKeysTest : public KeysTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalKeysTest, F7AndF8SetTheRateAndTheTruncatedInterval) {
  start(GetParam().hz);
  wipe_panels();
  press(vk::f8);
  EXPECT_EQ(form->state().interlace_rate, rate_every_second_frame);
  EXPECT_EQ(form->timer().interval, GetParam().every_second_frame);
  EXPECT_TRUE(drawn([&](surface& s) { draw_interlace_panel(s, form->state().interlace_rate); }));
  wipe_panels();
  press(vk::f7);
  EXPECT_EQ(form->state().interlace_rate, rate_each_frame);
  EXPECT_EQ(form->timer().interval, GetParam().each_frame);
  EXPECT_TRUE(drawn([&](surface& s) { draw_interlace_panel(s, form->state().interlace_rate); }));
}

INSTANTIATE_TEST_SUITE_P(Rates, IntervalKeysTest,
                         ::testing::Values(IntervalCase{60, 16, 33}, IntervalCase{0, 14, 28},
                                           IntervalCase{75, 13, 26}),
                         [](const auto& info) { return std::to_string(info.param.hz) + "Hz"; });

TEST_F(KeysTest, F9AndF10SetTheDisplayMode) {
  start();
  press(vk::f9);
  EXPECT_EQ(form->state().crt.display_mode, display_interlaced);
  press(vk::f10);
  wipe_panels();
  press(vk::f10);
  EXPECT_EQ(form->state().crt.display_mode, display_static);
  EXPECT_TRUE(drawn([&](surface& s) { draw_display_mode_panel(s, form->state().crt); }));
}

TEST_F(KeysTest, SettingsKeysDoNothingOnThePictureScreen) {
  write_file_bytes(folder / "p.vic", sample_file(14));
  start();
  select("P.vic");
  press(vk::enter);
  ASSERT_TRUE(form->state().picture_shown);
  press(vk::f4);
  press(vk::f9);
  EXPECT_EQ(form->state().crt.inertia_index, 5);
  EXPECT_EQ(form->state().crt.display_mode, display_static);
}

// The keys that move the window over a larger picture change nothing on a picture of one
// screen, nor the wheel.
TEST_F(KeysTest, WindowKeysDoNothingOnAPictureOfOneScreen) {
  write_file_bytes(folder / "p.vic", sample_file(14));
  start();
  select("P.vic");
  press(vk::enter);
  ASSERT_TRUE(form->state().picture_shown);
  form->DXTimerTimer();
  const std::vector<uint32_t> shown = screen.last_frame().pixels;
  const std::vector<uint32_t> work = form->work_surface_a().pixels;
  for (const int key : {vk::down, vk::right, vk::end, vk::up, vk::left, vk::home}) press(key);
  form->handle_input({.type = input_event::kind::wheel, .wheel = -1});
  form->DXTimerTimer();
  EXPECT_EQ(screen.last_frame().pixels, shown);
  EXPECT_EQ(form->work_surface_a().pixels, work);
  EXPECT_EQ(form->state().window.first_line, 0);
  EXPECT_TRUE(form->state().picture_shown);
}

// A picture of 400 lines starts at its top; Down, End, Up and Home move the window a line at a
// time or to the ends, the wheel too, and the caption says where it lies.
TEST_F(KeysTest, ATallPictureStartsAtItsTopAndScrolls) {
  const auto bfli = std::find_if(format_table.begin(), format_table.end(),
                                 [](const auto& f) { return f.arrange == arrangement::bfli; });
  write_file_bytes(folder / "tall.bfli", sample_file(bfli->id));
  start();
  select("Tall.bfli");
  press(vk::enter);
  ASSERT_TRUE(form->state().picture_shown);
  const surface& work = form->work_surface_a();
  ASSERT_EQ(work.height, 1000);
  const auto shows_from_line = [&](int line) {
    form->DXTimerTimer();
    const surface& shown = screen.last_frame();
    for (int y = 0; y < 400; y += 7)
      for (int x = 0; x < 592; x += 5)
        if (shown.at(70 + x, 50 + y) != work.at(x, 2 * line + y)) return false;
    return shown.at(70 + 592, 50) == 0 && shown.at(70, 450 + 95 + 1) == work.at(0, 800 + 95 + 1);
  };
  EXPECT_TRUE(shows_from_line(0));
  const std::vector<uint32_t> caption_at_top(work.pixels.begin() + 895 * work.width,
                                             work.pixels.end());
  press(vk::down);
  EXPECT_EQ(form->state().window.first_line, 1);
  EXPECT_TRUE(shows_from_line(1));
  EXPECT_FALSE(std::equal(caption_at_top.begin(), caption_at_top.end(),
                          work.pixels.begin() + 895 * work.width));
  press(vk::end);
  EXPECT_TRUE(shows_from_line(200));
  form->handle_input({.type = input_event::kind::wheel, .wheel = 3});
  EXPECT_TRUE(shows_from_line(197));
  press(vk::home);
  EXPECT_TRUE(shows_from_line(0));
  EXPECT_TRUE(std::equal(caption_at_top.begin(), caption_at_top.end(),
                         work.pixels.begin() + 895 * work.width));
}

TEST_F(KeysTest, HelpScreenHidesTheGridAndEnterOrEscapeBringsItBack) {
  start();
  surface frame = screen.display_surface;
  for (int key : {vk::enter, vk::escape}) {
    press(vk::f1);
    EXPECT_FALSE(form->grid_visible());
    EXPECT_FALSE(form->state().picture_shown);
    surface help = frame;
    draw_help_screen(help);
    EXPECT_EQ(screen.display_surface.pixels, help.pixels);
    // Ticks take the browser path: the track is cleared, the grid is not presented.
    form->DXTimerTimer();
    EXPECT_EQ(screen.display_surface.at(597, 300), background);
    EXPECT_EQ(screen.last_frame().at(100, 100), screen.display_surface.at(100, 100));
    press(key);
    EXPECT_TRUE(form->grid_visible());
    EXPECT_FALSE(form->state().picture_shown);
    EXPECT_EQ(screen.display_surface.pixels, frame.pixels);
  }
  EXPECT_TRUE(asked().empty());
}

TEST_F(KeysTest, EscapeAsksBeforeLeaving) {
  start();
  boxes.confirm_answers = {false, true};
  press(vk::escape);
  EXPECT_FALSE(form->close_requested());
  press(vk::escape);
  EXPECT_TRUE(form->close_requested());
  EXPECT_EQ(asked(), (std::vector<std::string>{"confirm: Are you sure to exit the Velora?",
                                               "confirm: Are you sure to exit the Velora?"}));
}

TEST_F(KeysTest, GridNavigationWheelAndClickMoveTheSelectionAndRepaintTheGrid) {
  for (int i = 0; i < 40; ++i)
    std::filesystem::create_directory(folder / ("d" + std::to_string(10 + i)));
  start();
  const std::vector<uint32_t> first = form->grid_image().pixels;
  press(vk::down);
  EXPECT_EQ(selected(), 2);
  EXPECT_NE(form->grid_image().pixels, first);
  press(vk::page_down);
  EXPECT_EQ(selected(), 30);
  press(vk::home);
  EXPECT_EQ(selected(), 1);
  input_event wheel;
  wheel.type = input_event::kind::wheel;
  wheel.wheel = -1;
  form->handle_input(wheel);
  EXPECT_EQ(selected(), 2);
  input_event click;
  click.type = input_event::kind::click;
  click.x = grid_left + 10;
  click.y = grid_top + 15 * 4 + 2;  // the fourth list row
  form->handle_input(click);
  EXPECT_EQ(selected(), 4);
  EXPECT_TRUE(asked().empty());
}

TEST_F(KeysTest, BackspaceGoesUpAFolderAndOutOfADiskImageButNotAboveTheRoot) {
  std::filesystem::create_directory(folder / "sub");
  const std::vector<uint8_t> art = sample_file(14);
  const std::vector<d64_file> files = {{"ART", 0x82, art}};
  write_file_bytes(folder / "disk.d64", d64_image_of(files));
  start();
  select("Sub");
  press(vk::enter);
  press(vk::back);
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  EXPECT_EQ(cell(0, selected()), "Sub");
  select("Disk.d64");
  press(vk::enter);
  press(vk::back);
  EXPECT_FALSE(form->state().in_disk_image);
  EXPECT_EQ(cell(0, selected()), "Disk.d64");
  select("Drive / [ext4]");
  press(vk::enter);
  press(vk::back);
  EXPECT_EQ(std::filesystem::current_path(), "/");
}

TEST_F(KeysTest, ADoubleClickOpensTheListRowItLandsOn) {
  std::filesystem::create_directory(folder / "sub");
  start();
  const int sub_y = grid_top + 15 * 2 + 2;  // rows: "..", Sub, the drive
  form->handle_input(click_event(grid_left + 10, sub_y));
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  form->handle_input(click_event(grid_left + 10, sub_y, 2));
  EXPECT_EQ(std::filesystem::current_path(), folder / "sub");
}

TEST_F(KeysTest, ScrollIndicatorFollowsTheSelectionOfALongList) {
  for (int i = 0; i < 57; ++i)
    std::filesystem::create_directory(folder / ("d" + std::to_string(10 + i)));
  start();
  // 60 rows: the header, "..", 57 directories, the drive; 29 list rows in view.
  ASSERT_EQ(grid().row_count, 60);
  const auto indicator = [&](surface& s) { draw_scroll_indicator(s, 29, 60, selected(), true); };
  for (int key : {vk::home, vk::end}) {
    press(key);
    form->DXTimerTimer();
    EXPECT_TRUE(drawn(indicator)) << selected();
  }
  EXPECT_EQ(selected(), 59);
}

TEST_F(KeysTest, ABrokenPaletteFileIsShownOnceTheScreenIsUp) {
  std::ofstream(folder / "Velora2003.cfg") << "$0=";
  start();
  EXPECT_TRUE(form->grid().row_count > 1);
  ASSERT_TRUE(form->has_pending_messages());
  EXPECT_TRUE(asked().empty());
  form->show_pending_messages();
  EXPECT_FALSE(form->has_pending_messages());
  EXPECT_EQ(asked(), (std::vector<std::string>{"message: Read beyond end of file."}));
  EXPECT_TRUE(reports.empty());
}

TEST_F(KeysTest, MissingArtworkAtRestoreWaitsForTheLoopAsAMessage) {
  start(0, no_data());
  EXPECT_TRUE(asked().empty());
  form->show_pending_messages();
  EXPECT_EQ(asked(), (std::vector<std::string>{"message: Image 'title_bar' not found"}));
}

}  // namespace
