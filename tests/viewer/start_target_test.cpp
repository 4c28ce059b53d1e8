#include "viewer/start_target.h"

#include <gtest/gtest.h>

#include <string>

#include "browser/browser.h"

namespace {

class fixed_listing final : public directory_lister {
 public:
  std::vector<host_entry> items;
  bool list_current_directory(std::vector<host_entry>& entries) override {
    entries = items;
    return true;
  }
};

class no_drives final : public drive_provider {
 public:
  void list_drives(std::vector<drive_item>& drives) override { drives.clear(); }
};

TEST(SelectStartRow, OnlyWhereTheFileIsListed) {
  fixed_listing lister;
  lister.items = {{"sub", true, false, -1},
                  {"sunset.vic", false, true, 10018},
                  {"Disk.D64", false, true, 174848},
                  {"notes.txt", false, true, 12}};
  no_drives drives;
  browser b;
  b.lister = &lister;
  b.drives = &drives;
  list_directory(b);

  const start_target picture{start_kind::picture_file, ".", "sunset.vic"};
  EXPECT_TRUE(select_start_row(b, picture));
  EXPECT_EQ(tdir_row(b.grid, b.grid.selected_row).host_name, "sunset.vic");

  const start_target image{start_kind::disk_image, ".", "Disk.D64"};
  EXPECT_TRUE(select_start_row(b, image));
  EXPECT_EQ(tdir_row(b.grid, b.grid.selected_row).host_name, "Disk.D64");

  // Not listed: the selection goes back to the first row, and nothing is to be opened.
  EXPECT_FALSE(select_start_row(b, {start_kind::picture_file, ".", "notes.txt"}));
  EXPECT_EQ(b.grid.selected_row, 1);
  // A picture start naming the image's row, or a folder start, opens nothing.
  EXPECT_FALSE(select_start_row(b, {start_kind::picture_file, ".", "Disk.D64"}));
  EXPECT_FALSE(select_start_row(b, {start_kind::folder, ".", ""}));
}

}  // namespace
