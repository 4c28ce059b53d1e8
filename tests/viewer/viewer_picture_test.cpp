#include <string_view>

#include "cli/commands.h"
#include "gui/frame.h"
#include "output/bmp_file.h"
#include "output/export_bitmap.h"
#include "support/captured_console.h"
#include "support/d64_image.h"
#include "surface/canvas.h"
#include "viewer_fixture.h"

namespace {

// Rows of the folder below: 1 "..", 2 Sub, 3 Disk.d64, then the .vic files (A15, A17 when
// asked for, P1 .. P5), then the drive.
class PictureTest : public ViewerTest {
 protected:
  void make_folder(bool with_formats_15_and_17) {
    std::filesystem::create_directory(folder / "sub");
    art = sample_file(14);
    paint = sample_file(16);
    write_file_bytes(folder / "p1.vic", art);
    write_file_bytes(folder / "p2.vic", counting_bytes(12345));
    write_file_bytes(folder / "p3.vic", paint);
    write_file_bytes(folder / "p4.vic", counting_bytes(5));
    write_file_bytes(folder / "p5.vic", counting_bytes(1));
    if (with_formats_15_and_17) {
      write_file_bytes(folder / "a15.vic", counting_bytes(9009));
      write_file_bytes(folder / "a17.vic", counting_bytes(16194));
    }
    const std::vector<uint8_t> notes = counting_bytes(300);
    const std::vector<d64_file> files = {
        {"ART", 0x82, art}, {"NOTES", 0x81, notes}, {"PAINT", 0x82, paint}};
    write_file_bytes(folder / "disk.d64", d64_image_of(files, "PICTURES"));
  }

  bool all_pixels(const surface& s, uint32_t pixel) const {
    for (uint32_t p : s.pixels)
      if (p != pixel) return false;
    return true;
  }

  std::vector<uint8_t> art;
  std::vector<uint8_t> paint;
};

TEST_F(PictureTest, KnownHostFileIsRenderedAndHidesTheBrowser) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_FALSE(form->grid_visible());
  EXPECT_EQ(form->state().format_id, 14);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  EXPECT_FALSE(form->state().two_surface_picture);
  EXPECT_TRUE(all_pixels(screen.display_surface, 0));
  EXPECT_TRUE(all_pixels(form->work_surface_b(), 0));
  EXPECT_FALSE(all_pixels(form->work_surface_a(), 0));
  // The Enter that opened the picture typed a character too; it does not close it again.
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_TRUE(asked().empty());
}

TEST_F(PictureTest, UnknownSizeChangesNothing) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  press(vk::enter);
  const std::vector<uint32_t> a_before = form->work_surface_a().pixels;
  const std::vector<uint32_t> screen_before = screen.display_surface.pixels;
  select("P2.vic");
  press(vk::enter);
  EXPECT_FALSE(form->state().picture_shown);
  EXPECT_TRUE(form->grid_visible());
  EXPECT_EQ(form->state().format_id, 0);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  EXPECT_EQ(form->work_surface_a().pixels, a_before);
  EXPECT_EQ(screen.display_surface.pixels, screen_before);
  EXPECT_TRUE(asked().empty());
}

TEST_F(PictureTest, Formats15And17ShowOneFramePicturesAndClearTwoSurfacePicture) {
  make_folder(true);
  for (const char* name : {"A15.vic", "A17.vic"}) {
    // A fresh viewer each time: two_surface_picture is true at start, and the format sets it.
    form.reset();
    start();
    ASSERT_TRUE(form->state().two_surface_picture);
    select(name);
    press(vk::enter);
    EXPECT_TRUE(form->state().picture_shown) << name;
    EXPECT_FALSE(form->grid_visible());
    EXPECT_EQ(form->state().current_picture_name, name);
    EXPECT_FALSE(form->state().two_surface_picture) << name;
    EXPECT_FALSE(all_pixels(form->work_surface_a(), 0)) << name;
    EXPECT_TRUE(all_pixels(form->work_surface_b(), 0)) << name;
  }
  EXPECT_EQ(form->state().format_id, 17);
}

TEST_F(PictureTest, FileGoneOrShortenedSinceTheListingIsRefusedWithAMessage) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  press(vk::escape);
  const std::vector<uint32_t> shown_before = form->work_surface_a().pixels;
  std::filesystem::remove(folder / "p1.vic");
  std::vector<uint8_t> short_paint(paint.begin(), paint.end() - 1);
  write_file_bytes(folder / "p3.vic", short_paint);
  for (const char* name : {"P1.vic", "P3.vic"}) {
    select(name);
    press(vk::enter);
    EXPECT_FALSE(form->state().picture_shown);
    EXPECT_TRUE(form->grid_visible());
    EXPECT_EQ(form->state().current_picture_name, "P1.vic");
    EXPECT_EQ(form->work_surface_a().pixels, shown_before);
  }
  EXPECT_EQ(asked(), (std::vector<std::string>{"message: Cannot read file p1.vic",
                                               "message: Cannot read file p3.vic"}));
}

TEST_F(PictureTest, DiskImageEntryIsShownAsTheSameHostFileUnderItsEntryName) {
  make_folder(false);
  start();
  select("P3.vic");
  press(vk::enter);
  const std::vector<uint32_t> host_picture = form->work_surface_a().pixels;
  press(vk::escape);
  select("Disk.d64");
  press(vk::enter);
  ASSERT_TRUE(form->state().in_disk_image);
  ASSERT_EQ(cell(1, 4), "PRG");
  form->select_row(4);
  press(vk::enter);
  ASSERT_TRUE(form->state().picture_shown);
  EXPECT_EQ(form->state().current_picture_name, "PAINT           ");
  // The caption differs by the name only; the picture above it is the same.
  const size_t caption_row = 495;
  EXPECT_TRUE(std::equal(host_picture.begin(), host_picture.begin() + caption_row * 800,
                         form->work_surface_a().pixels.begin()));
  // Stepping through pictures is for host listings only.
  press(vk::page_down);
  press(vk::page_up);
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(form->state().current_picture_name, "PAINT           ");
}

TEST_F(PictureTest, EnterOrEscapeReturnsToTheBrowserAndRedrawsTheFrame) {
  make_folder(false);
  start();
  surface frame = create_surface_like(screen.display_surface);
  artwork_list artwork;
  ASSERT_TRUE(load_artwork(artwork, std::string(VELORA_DATA_DIR) + "/gfx"));
  const app_state& state = form->state();
  ASSERT_TRUE(draw_frame(frame, {state.crt, state.interlace_rate, state.current_dir}, artwork));
  for (int key : {vk::enter, vk::escape}) {
    select("P1.vic");
    press(vk::enter);
    ASSERT_TRUE(form->state().picture_shown);
    form->DXTimerTimer();
    press(key);
    EXPECT_TRUE(form->grid_visible());
    EXPECT_FALSE(form->state().picture_shown);
    EXPECT_EQ(screen.display_surface.pixels, frame.pixels);
    EXPECT_EQ(selected(), 4);
  }
  EXPECT_TRUE(asked().empty());
}

TEST_F(PictureTest, PageDownSkipsUnknownSizesAndStopsAtOtherKinds) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  press(vk::page_down);
  EXPECT_EQ(selected(), 6);
  EXPECT_EQ(form->state().current_picture_name, "P3.vic");
  EXPECT_EQ(form->state().format_id, 16);
  EXPECT_TRUE(form->state().presenting);
  EXPECT_TRUE(form->state().picture_shown);
  const std::vector<uint32_t> p3 = form->work_surface_a().pixels;
  // Past P3 only unknown sizes, then the drive row: nothing is loaded.
  press(vk::page_down);
  EXPECT_EQ(selected(), 6);
  EXPECT_EQ(form->state().current_picture_name, "P3.vic");
  EXPECT_EQ(form->work_surface_a().pixels, p3);
  press(vk::page_up);
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  EXPECT_EQ(form->state().format_id, 14);
  // Above P1 lies the D64 image row: PageUp does nothing at all.
  const std::vector<uint32_t> p1 = form->work_surface_a().pixels;
  press(vk::page_up);
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  EXPECT_EQ(form->work_surface_a().pixels, p1);
  press(vk::escape);
  EXPECT_EQ(selected(), 4);
  EXPECT_TRUE(asked().empty());
}

TEST_F(PictureTest, PageUpWalksBackOverUnknownSizesToTheFirstPicture) {
  make_folder(true);
  start();
  select("P3.vic");
  press(vk::enter);
  press(vk::page_up);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  press(vk::page_up);
  EXPECT_EQ(form->state().current_picture_name, "A17.vic");
  EXPECT_EQ(selected(), 5);
  press(vk::page_up);
  EXPECT_EQ(form->state().current_picture_name, "A15.vic");
  EXPECT_EQ(selected(), 4);
}

TEST_F(PictureTest, PageDownOntoAFileGoneSinceTheListingKeepsThePictureAndItsRow) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  std::filesystem::remove(folder / "p3.vic");
  press(vk::page_down);
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(form->state().current_picture_name, "P1.vic");
  EXPECT_TRUE(form->state().presenting);
  EXPECT_EQ(asked(), (std::vector<std::string>{"message: Cannot read file p3.vic"}));
}

TEST_F(PictureTest, SavedFileIsTheBitmapOfWorkSurfaceAAndEqualsTheRenderCommand) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  boxes.text_answers = {"saved"};
  press('S');
  const std::vector<uint8_t> bmp = read_file_bytes(folder / "saved");
  export_bitmap a;
  a.take_surface(form->work_surface_a());
  ASSERT_TRUE(write_bmp_file(folder.at("a.bmp"), a).ok());
  EXPECT_TRUE(bmp == read_file_bytes(folder / "a.bmp"));
  const std::vector<std::string_view> args = {"p1.vic", "-o", "rendered.bmp"};
  captured_console console;
  ASSERT_EQ(run_render_command(args, VELORA_DATA_DIR, console.io), 0);
  EXPECT_TRUE(bmp == read_file_bytes(folder / "rendered.bmp"));
  // The picture stays on screen.
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_EQ(asked(), (std::vector<std::string>{"save"}));
}

TEST_F(PictureTest, SavingOverAnExistingFileAsksFirstAndNoWritesNothing) {
  make_folder(false);
  start();
  write_file_bytes(folder / "old.bmp", counting_bytes(10));
  select("P1.vic");
  press(vk::enter);
  boxes.text_answers = {"old.bmp", "old.bmp"};
  boxes.confirm_answers = {false, true};
  press('S');
  EXPECT_EQ(read_file_bytes(folder / "old.bmp"), counting_bytes(10));
  press('S');
  EXPECT_EQ(read_file_bytes(folder / "old.bmp").size(), 1440054u);
  EXPECT_EQ(asked(),
            (std::vector<std::string>{"save", "confirm: Do you really want to replace old.bmp ?",
                                      "save", "confirm: Do you really want to replace old.bmp ?"}));
  EXPECT_TRUE(form->state().picture_shown);
}

TEST_F(PictureTest, SaveFailureIsShownAndCancelWritesNothing) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  boxes.text_answers = {"missing/x.bmp", std::nullopt};
  press('S');
  press('S');
  EXPECT_EQ(asked(), (std::vector<std::string>{"save", "message: Cannot create file missing/x.bmp",
                                               "save"}));
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(PictureTest, SaveWorksForPicturesFromADiskImage) {
  make_folder(false);
  start();
  select("Disk.d64");
  press(vk::enter);
  form->select_row(2);
  press(vk::enter);
  ASSERT_TRUE(form->state().picture_shown);
  boxes.text_answers = {"art.bmp"};
  press('S');
  EXPECT_EQ(read_file_bytes(folder / "art.bmp").size(), 1440054u);
}

TEST_F(PictureTest, SInTheBrowserDoesNothing) {
  make_folder(false);
  start();
  boxes.text_answers = {"browser.bmp"};
  press('S');
  EXPECT_TRUE(asked().empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "browser.bmp"));
}

// The SDL screen sends Enter as key_down 13 and then character 13: after a box took the
// key_down, its character must not reach the picture screen.
TEST_F(PictureTest, CharacterOfAKeyABoxTookReachesNothingAfterIt) {
  make_folder(false);
  start();
  select("P1.vic");
  press(vk::enter);
  boxes.text_answers = {std::nullopt, "kept.bmp"};
  press('S');
  type(27);  // the Escape that cancelled the save prompt
  EXPECT_TRUE(form->state().picture_shown);
  press('S');
  type(13);  // the Enter that confirmed it
  type(13);
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_FALSE(form->grid_visible());
  EXPECT_TRUE(std::filesystem::exists(folder / "kept.bmp"));
  // The next key of its own is back to normal.
  press(vk::enter);
  EXPECT_FALSE(form->state().picture_shown);
  EXPECT_TRUE(form->grid_visible());
}

}  // namespace
