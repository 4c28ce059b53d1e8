#include <filesystem>
#include <string>
#include <vector>

#include "browser/row_kind.h"
#include "browser_fixture.h"
#include "support/archive_maker.h"
#include "support/c64_files.h"
#include "support/d64_image.h"
#include "support/files.h"
#include "support/t64_image.h"

namespace {

using rows = std::vector<std::string>;

class container_browser_test : public browser_test {
 protected:
  void SetUp() override {
    browser_test::SetUp();
    const std::vector<d64_file> on_disk = {{"DISK KOALA", 0x82, picture}};
    disk = d64_image_of(on_disk);
    const std::vector<archived> files = {
        {"pics/sunset.koa", koala_picture(2)},
        {"pics/deeper/x.koa", koala_picture(3)},
        {"disk.d64", disk},
        {"pic.p00", pc64_file_of("PC KOALA", koala_picture(4))},
        {"notes.txt", counting_bytes(99)},
    };
    write_file_bytes(temp / "c.zip", make_archive(archive_form::zip, files));
  }
  std::vector<uint8_t> picture = koala_picture(1);
  std::vector<uint8_t> disk;
};

TEST_F(container_browser_test, HostFoldersListContainersByNameAndPc64FilesWithTheirC64Name) {
  write_file_bytes(temp / "b.d64.gz",
                   make_archive(archive_form::gz, std::vector<archived>{{"b.d64", disk}}));
  write_file_bytes(temp / "garbage.zip", counting_bytes(500));
  const std::vector<uint8_t> tape_data(picture.begin() + 2, picture.end());
  write_file_bytes(temp / "t.T64", t64_image_of(std::vector<tape_file>{{"T", tape_data, 0x6000}}));
  write_file_bytes(temp / "p.p00", pc64_file_of("PC KOALA", koala_picture(5)));
  list_directory(b);
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "B.d64.gz|<D64>||",
                             "C.zip|<ZIP>||",
                             "Garbage.zip|<ZIP>||",
                             "T.T64|<T64>||",
                             "P.p00|<PC64>|10003|Koala Painter 160x200",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
  EXPECT_EQ(tdir_row(b.grid, 6).c64_name, "PC KOALA        ");
  EXPECT_EQ(kind_of_row(b.grid, 6), row_kind::pc64_file);
  EXPECT_EQ(kind_of_row(b.grid, 5), row_kind::container);
  tdir_select_row(b.grid, 6);
  open_selected();
  EXPECT_EQ(opened.action, open_action::show_picture);
  EXPECT_EQ(opened.source, picture_source::HOST_FILE);
}

TEST_F(container_browser_test, AZipIsWalkedByItsFoldersAndTheDiskInsideIsEnteredInTurn) {
  list_directory(b);
  open_row("C.zip");
  ASSERT_EQ(opened.action, open_action::entered_disk_image);
  EXPECT_TRUE(opened.notice.empty());
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<WIN>||",
                             "Pics|<DIR>||",
                             "Disk.d64|<D64>||",
                             "Pic.p00|<PC64>|10003|Koala Painter 160x200",
                         }));
  open_row("Pics");
  EXPECT_EQ(row_texts(), (rows{"File name|Type|Size|GFX format", "..|<WIN>||", "Deeper|<DIR>||",
                               "Sunset.koa|<File>|10003|Koala Painter 160x200"}));
  open_row("Sunset.koa");
  EXPECT_EQ(opened.action, open_action::show_picture);
  EXPECT_EQ(opened.source, picture_source::DISK_IMAGE_ENTRY);
  EXPECT_EQ(tdir_row(b.grid, 3).entry, 0u);
  tdir_select_row(b.grid, parent_row(b.grid));
  open_selected();
  EXPECT_EQ(opened.action, open_action::left_disk_image);
  EXPECT_EQ(tdir_cell(b.grid, 0, b.grid.selected_row), "Pics");

  open_row("Disk.d64");
  ASSERT_EQ(opened.action, open_action::entered_disk_image);
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), "DISK KOALA      ");
  EXPECT_EQ(tdir_cell(b.grid, 3, 2), "Koala Painter 160x200");
  tdir_select_row(b.grid, 2);
  open_selected();
  EXPECT_EQ(opened.source, picture_source::DISK_IMAGE_ENTRY);
  EXPECT_EQ(b.opened->depth(), 2);

  // Each step out comes back to the row it was taken from, the last one to the host folder.
  for (const char* name : {"Disk.d64", "C.zip"}) {
    tdir_select_row(b.grid, parent_row(b.grid));
    open_selected();
    EXPECT_EQ(tdir_cell(b.grid, 0, b.grid.selected_row), name);
  }
  EXPECT_FALSE(in_container(b));
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
}

TEST_F(container_browser_test, UnreadableArchivesStayOutAndOddNamesAreTold) {
  write_file_bytes(temp / "garbage.zip", counting_bytes(500));
  const std::vector<archived> odd = {{"ok.koa", koala_picture(6)},
                                     {"../up.koa", koala_picture(7)},
                                     {"bad\x01name.koa", koala_picture(8)}};
  write_file_bytes(temp / "odd.zip", make_archive(archive_form::zip, odd));
  list_directory(b);
  open_row("Garbage.zip");
  EXPECT_EQ(opened.action, open_action::message);
  EXPECT_EQ(opened.text.rfind("Cannot read archive garbage.zip: cannot be read: ", 0), 0u)
      << opened.text;
  EXPECT_FALSE(in_container(b));
  EXPECT_EQ(tdir_cell(b.grid, 0, b.grid.selected_row), "Garbage.zip");

  open_row("Odd.zip");
  ASSERT_EQ(opened.action, open_action::entered_disk_image);
  EXPECT_EQ(b.grid.row_count, 3);
  EXPECT_EQ(opened.notice,
            "odd.zip: entry \"../up.koa\" is left out: its name is no plain path (and 1 more)");
}

}  // namespace
