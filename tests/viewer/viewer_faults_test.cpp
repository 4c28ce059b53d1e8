#include "formats/picture_file.h"
#include "support/archive_maker.h"
#include "support/d64_image.h"
#include "support/file_size_limit.h"
#include "viewer_fixture.h"

namespace {

// Rows: 1 "..", 2 Gone, 3 Keep, 4 Disk.d64, 5 P1.vic, 6 P3.vic, 7 the drive.
class FaultTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    std::filesystem::create_directory(folder / "gone");
    std::filesystem::create_directory(folder / "keep");
    art = sample_file(14);
    paint = sample_file(16);
    write_file_bytes(folder / "p1.vic", art);
    write_file_bytes(folder / "p3.vic", paint);
    const std::vector<d64_file> files = {{"ART", 0x82, art}, {"PAINT", 0x82, paint}};
    write_file_bytes(folder / "disk.d64", d64_image_of(files, "PICTURES"));
    start();
    ASSERT_EQ(cell(0, 6), "P3.vic");
  }

  // Opens a host picture row and returns to the browser, as proof the viewer still works.
  void expect_picture_opens(const char* name, uint8_t format_id) {
    select(name);
    press(vk::enter);
    EXPECT_TRUE(form->state().picture_shown) << name;
    EXPECT_EQ(form->state().format_id, format_id);
    EXPECT_EQ(form->state().current_picture_name, name);
    press(vk::escape);
    EXPECT_TRUE(form->grid_visible());
  }

  bool listed(const std::string& name) const {
    for (int row = 1; row < grid().row_count; ++row)
      if (cell(0, row) == name) return true;
    return false;
  }

  std::vector<uint8_t> art;
  std::vector<uint8_t> paint;
};

// The format comes from the listed size; a file that grew since is shown from its first bytes,
// even when it no longer fits the file buffer.
TEST_F(FaultTest, PictureFileGrownSinceTheListingIsShownFromItsFirstBytes) {
  select("P1.vic");
  press(vk::enter);
  const std::vector<uint32_t> listed_picture = form->work_surface_a().pixels;
  press(vk::escape);
  for (size_t extra : {size_t{1}, size_t{file_buffer_size}}) {
    std::vector<uint8_t> grown = art;
    const std::vector<uint8_t> tail = counting_bytes(extra);
    grown.insert(grown.end(), tail.begin(), tail.end());
    write_file_bytes(folder / "p1.vic", grown);
    select("P1.vic");
    press(vk::enter);
    EXPECT_TRUE(form->state().picture_shown);
    EXPECT_EQ(form->state().format_id, 14);
    EXPECT_EQ(form->work_surface_a().pixels, listed_picture);
    press(vk::escape);
  }
  EXPECT_EQ(read_file_bytes(folder / "p1.vic").size(), art.size() + file_buffer_size);
  EXPECT_TRUE(asked().empty());
  expect_picture_opens("P3.vic", 16);
}

// Entering a directory that is gone lists the current one again, without it.
TEST_F(FaultTest, DirectoryRemovedWhileListedIsDroppedFromTheListingOnEnter) {
  std::filesystem::remove(folder / "gone");
  select("Gone");
  press(vk::enter);
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  EXPECT_FALSE(listed("Gone"));
  EXPECT_EQ(cell(0, 2), "Keep");
  EXPECT_EQ(cell(1, 2), "<DIR>");
  EXPECT_TRUE(asked().empty());
  // Entering and leaving another directory still works.
  select("Keep");
  press(vk::enter);
  EXPECT_EQ(std::filesystem::current_path(), folder / "keep");
  select("..");
  press(vk::enter);
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  EXPECT_EQ(cell(0, selected()), "Keep");
  expect_picture_opens("P1.vic", 14);
}

TEST_F(FaultTest, DiskImageTruncatedAfterTheListingIsRefusedAndTheListingStays) {
  std::filesystem::resize_file(folder / "disk.d64", 1000);
  select("Disk.d64");
  press(vk::enter);
  ASSERT_EQ(asked().size(), 1u);
  EXPECT_TRUE(asked()[0].starts_with("message: Cannot read disk image disk.d64: is 1000 bytes"));
  EXPECT_FALSE(form->state().in_disk_image);
  EXPECT_EQ(cell(0, 4), "Disk.d64");
  EXPECT_EQ(cell(1, 4), "<D64>");
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(std::filesystem::file_size(folder / "disk.d64"), 1000u);
  expect_picture_opens("P1.vic", 14);
}

// The image entered is held in memory: its entries still open after the file shrank, and
// leaving it lists the folder, where the short file is no longer an image.
TEST_F(FaultTest, DiskImageTruncatedAfterEnteringItStillOpensEntriesFromMemory) {
  select("Disk.d64");
  press(vk::enter);
  ASSERT_TRUE(form->state().in_disk_image);
  std::filesystem::resize_file(folder / "disk.d64", 1000);
  form->select_row(3);
  press(vk::enter);
  EXPECT_TRUE(form->state().picture_shown);
  EXPECT_EQ(form->state().format_id, 16);
  EXPECT_EQ(form->state().current_picture_name, "PAINT           ");
  press(vk::escape);
  select("..");
  press(vk::enter);
  EXPECT_FALSE(form->state().in_disk_image);
  EXPECT_FALSE(listed("Disk.d64"));
  EXPECT_EQ(selected(), 1);
  EXPECT_TRUE(asked().empty());
  expect_picture_opens("P3.vic", 16);
}

TEST_F(FaultTest, SaveOnAFullDiskLeavesNoPartialFileAndKeepsTheOldOne) {
  write_file_bytes(folder / "old.bmp", counting_bytes(10));
  select("P1.vic");
  press(vk::enter);
  boxes.text_answers = {"old.bmp", "new.bmp", "new.bmp"};
  boxes.confirm_answers = {true};
  {
    const file_size_limit full(65536);
    press('S');
    press('S');
  }
  EXPECT_EQ(asked(), (std::vector<std::string>{
                         "save", "confirm: Do you really want to replace old.bmp ?",
                         "message: Stream write error", "save", "message: Stream write error"}));
  EXPECT_EQ(read_file_bytes(folder / "old.bmp"), counting_bytes(10));
  EXPECT_FALSE(std::filesystem::exists(folder / "new.bmp"));
  EXPECT_TRUE(form->state().picture_shown);
  // With room again the same save succeeds.
  press('S');
  EXPECT_EQ(read_file_bytes(folder / "new.bmp").size(), 1440054u);
  press(vk::escape);
  expect_picture_opens("P3.vic", 16);
}

}  // namespace

namespace {

// Archives that cannot be listed whole: a box says why, and the viewer goes on.
class HostileArchiveTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    art = sample_file(14);
    write_file_bytes(folder / "damaged.zip", counting_bytes(3000));
    const std::vector<archived> odd = {{"art.vic", art}, {"../up.vic", art}};
    write_file_bytes(folder / "odd.zip", make_archive(archive_form::zip, odd));
    write_file_bytes(folder / "locked.zip", make_archive(archive_form::zip, odd, "secret"));
    start();
  }
  std::vector<uint8_t> art;
};

TEST_F(HostileArchiveTest, ABoxSaysWhatCannotBeListedAndThePicturesThatCanAreShown) {
  select("Damaged.zip");
  press(vk::enter);
  ASSERT_EQ(asked().size(), 1u);
  EXPECT_TRUE(asked()[0].starts_with("message: Cannot read archive damaged.zip: cannot be read"))
      << asked()[0];
  EXPECT_FALSE(form->state().in_disk_image);

  select("Odd.zip");
  press(vk::enter);
  ASSERT_EQ(asked().size(), 2u);
  EXPECT_EQ(asked()[1],
            "message: odd.zip: entry \"../up.vic\" is left out: its name is no plain path");
  EXPECT_TRUE(form->state().in_disk_image);
  select("Art.vic");
  press(vk::enter);
  EXPECT_TRUE(form->state().picture_shown);
  press(vk::escape);
  press(vk::back);

  select("Locked.zip");
  press(vk::enter);
  ASSERT_EQ(asked().size(), 3u);
  EXPECT_NE(asked()[2].find("entry \"art.vic\" is encrypted"), std::string::npos) << asked()[2];
}

}  // namespace
