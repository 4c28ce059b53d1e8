// What the command line hands the viewer: a start file to open, a palette to use, and the
// save prompt's choice of PNG by name.
#include "app/start_argument.h"
#include "support/d64_image.h"
#include "viewer_fixture.h"

namespace {

TEST_F(ViewerTest, StartFileIsSelectedAndOpenedLikeEnter) {
  write_file_bytes(folder / "b.vic", sample_file(9));
  write_file_bytes(folder / "a.vic", sample_file(3));
  start();
  const result<start_target> start_file = classify_start((folder / "b.vic").string());
  ASSERT_TRUE(start_file);
  form->open_start(*start_file);
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_EQ(cell(0, selected()), "B.vic");
  EXPECT_EQ(form->state().current_picture_name, "B.vic");

  // A folder start opens nothing.
  form->FormKeyPress(vk::escape);
  form->open_start(start_target{});
  EXPECT_FALSE(form->state().picture_shown);
}

TEST_F(ViewerTest, StartDiskImageIsEntered) {
  const std::vector<uint8_t> picture = sample_file(14);
  const d64_file files[] = {{"PIC", 0x82, picture}};
  write_file_bytes(folder / "disk.d64", d64_image_of(files));
  start();
  form->open_start(*classify_start((folder / "disk.d64").string()));
  EXPECT_TRUE(form->state().in_disk_image);
  EXPECT_EQ(cell(1, 2), "PRG");
}

TEST_F(ViewerTest, AStartThatCannotBeOpenedSaysWhy) {
  write_file_bytes(folder / "short.d64", counting_bytes(1000));
  write_file_bytes(folder / "notes.txt", counting_bytes(10));
  start();
  form->open_start(*classify_start((folder / "short.d64").string()));
  form->open_start(*classify_start((folder / "notes.txt").string()));
  EXPECT_FALSE(form->state().in_disk_image);
  ASSERT_EQ(asked().size(), 2u);
  EXPECT_TRUE(asked()[0].starts_with("message: Cannot read disk image short.d64: is 1000 bytes"));
  EXPECT_EQ(asked()[1], "message: Cannot show notes.txt: it is no picture of a known format");
}

TEST_F(ViewerTest, PaletteComesFromTheChoiceElseFromTheStartDirectory) {
  std::ofstream(folder / "Velora2003.cfg") << "$0=123456";
  std::ofstream(folder / "chosen.cfg") << "$0=aBcDeF";
  {
    TForm1 plain(screen, {.data_dir = VELORA_DATA_DIR});
    EXPECT_EQ(plain.palette()[0], 0x563412u);
    EXPECT_EQ(plain.palette()[1], default_palette[1]);
  }
  TForm1 chosen(screen,
                {.data_dir = VELORA_DATA_DIR, .palette_file = (folder / "chosen.cfg").string()});
  EXPECT_EQ(chosen.palette()[0], 0xEFCDABu);
}

TEST_F(ViewerTest, SaveNameEndingInPngWritesThePixelsAsPng) {
  write_file_bytes(folder / "p.vic", sample_file(9));
  start();
  select("P.vic");
  press(vk::enter);
  boxes.text_answers = {"shot.PNG", "shot.bmp"};
  press('S');
  press('S');
  const std::vector<uint8_t> png = read_file_bytes(folder / "shot.PNG");
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  EXPECT_EQ(read_file_bytes(folder / "shot.bmp").size(), 1440054u);
}

}  // namespace
