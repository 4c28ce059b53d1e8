#include <unistd.h>

#include <filesystem>
#include <string>

#include "browser_fixture.h"

namespace {

TEST_F(browser_test, EnteringADirectoryChangesToItAndSelectsRowOne) {
  make_dir("sub1");
  make_dir("Sub0");
  list_directory(b);
  tdir_select_row(b.grid, 3);
  open_selected();
  EXPECT_EQ(std::filesystem::current_path(), temp / "sub1");
  EXPECT_EQ(opened.action, open_action::directory_changed);
  EXPECT_EQ(opened.text, (temp / "sub1").string());
  EXPECT_EQ(b.grid.selected_row, 1);
  EXPECT_EQ(tdir_cell(b.grid, 0, 1), "..");
}

TEST_F(browser_test, DotDotSelectsTheDirectoryOneCameFromByItsRealName) {
  make_dir("abc");
  make_dir("ABC");
  make_dir("zzz");
  write_file("pic.vic", 10018);
  list_directory(b);
  open_row("Zzz");
  open_row("..");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(tdir_row(b.grid, b.grid.selected_row).host_name, "zzz");
  for (const char* name : {"abc", "ABC"}) {
    for (int row = 1; row < b.grid.row_count; ++row) {
      if (tdir_row(b.grid, row).host_name == name) tdir_select_row(b.grid, row);
    }
    open_selected();
    EXPECT_EQ(std::filesystem::current_path(), temp / name);
    open_row("..");
    EXPECT_EQ(tdir_row(b.grid, b.grid.selected_row).host_name, name);
  }
}

TEST_F(browser_test, DotDotSelectsTheDirectoryOneCameFromFarDownTheList) {
  for (int i = 0; i < 60; ++i) make_dir("d" + std::to_string(100 + i));
  list_directory(b);
  open_row("D150");
  open_row("..");
  EXPECT_EQ(tdir_cell(b.grid, 0, b.grid.selected_row), "D150");
  EXPECT_EQ(b.grid.selected_row, 52);
  EXPECT_EQ(b.grid.top_row, 52 - 28);
}

TEST_F(browser_test, DotDotIntoTheRootSelectsTheDirectoryOneCameFrom) {
  fixed_lister lister;
  lister.items = {{"bin", true, false, -1}, {"usr", true, false, -1}, {"var", true, false, -1}};
  b.lister = &lister;
  ASSERT_EQ(chdir("/usr"), 0);
  list_directory(b);
  open_row("..");
  EXPECT_EQ(host_current_directory(), "/");
  EXPECT_EQ(opened.text, "/");
  EXPECT_EQ(tdir_cell(b.grid, 0, 1), "Bin");
  EXPECT_EQ(b.grid.selected_row, 2);
}

TEST_F(browser_test, DotDotThatFindsNoRowSelectsRowOne) {
  make_dir("sub");
  fixed_lister lister;
  lister.items = {{"a", true, false, -1}, {"sub", true, false, -1}, {"z", true, false, -1}};
  b.lister = &lister;
  list_directory(b);
  open_row("Sub");
  lister.items.erase(lister.items.begin() + 1);
  open_row("..");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(b.grid.selected_row, 1);
}

TEST_F(browser_test, ADirectoryRemovedMeanwhileRelistsTheCurrentOne) {
  make_dir("gone");
  make_dir("kept");
  list_directory(b);
  std::filesystem::remove(temp / "gone");
  open_row("Gone");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(opened.action, open_action::directory_changed);
  EXPECT_EQ(opened.text, temp.path().string());
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), "Kept");
  EXPECT_EQ(b.grid.row_count, 5);
  EXPECT_EQ(b.grid.selected_row, 1);
}

// Fails to read any directory whose path ends in "/locked", as a directory without read
// permission does for an ordinary user.
class locked_lister final : public directory_lister {
 public:
  posix_directory_lister real;
  bool list_current_directory(std::vector<host_entry>& entries) override {
    if (host_current_directory().ends_with("/locked")) {
      entries.clear();
      return false;
    }
    return real.list_current_directory(entries);
  }
};

TEST_F(browser_test, ADirectoryThatCannotBeListedLeavesTheBrowserWhereItWas) {
  locked_lister lister;
  b.lister = &lister;
  make_dir("locked");
  make_dir("open");
  list_directory(b);
  open_row("Locked");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(opened.action, open_action::message);
  EXPECT_EQ(opened.text, "Cannot read directory locked");
  EXPECT_EQ(b.grid.selected_row, 2);
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), "Locked");
  EXPECT_EQ(tdir_cell(b.grid, 0, 3), "Open");
}

TEST_F(browser_test, ALinkToItsOwnDirectoryCanBeEnteredAgainAndAgain) {
  std::filesystem::create_directory_symlink(".", temp / "again");
  list_directory(b);
  for (int i = 0; i < 3; ++i) open_row("Again");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), "Again");
}

TEST_F(browser_test, ADriveRowChangesToItsPath) {
  make_dir("mnt");
  drives.items = {{(temp / "mnt").string(), "mnt [ext4]"}};
  list_directory(b);
  open_row("Drive mnt [ext4]");
  EXPECT_EQ(std::filesystem::current_path(), temp / "mnt");
  EXPECT_EQ(opened.action, open_action::directory_changed);
  EXPECT_EQ(opened.text, (temp / "mnt").string());
  EXPECT_EQ(b.grid.selected_row, 1);
}

TEST_F(browser_test, AMissingDriveLeavesTheCurrentDirectory) {
  drives.items = {{(temp / "nowhere").string(), "nowhere [ext4]"}};
  list_directory(b);
  open_row("Drive nowhere [ext4]");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(opened.text, temp.path().string());
}

TEST_F(browser_test, AFileRowSetsTheFormatAndShowsItsPicture) {
  write_file("a.vic", 33603);
  write_file("b.vic", 0);
  write_file("c.vic", 1234);
  list_directory(b);
  open_row("A.vic");
  ASSERT_EQ(opened.action, open_action::show_picture);
  EXPECT_EQ(opened.format_id, 1);
  EXPECT_EQ(opened.row, 2);
  EXPECT_EQ(opened.source, picture_source::HOST_FILE);
  for (const char* name : {"B.vic", "C.vic"}) {
    open_row(name);
    EXPECT_EQ(opened.format_id, 0);
  }
  EXPECT_EQ(b.grid.row_count, 7);
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
}

TEST_F(browser_test, TheHeaderOnlyGridOpensNothing) {
  fixed_lister lister;
  b.lister = &lister;
  drives.items.clear();
  ASSERT_EQ(chdir("/"), 0);
  list_directory(b);
  EXPECT_EQ(b.grid.row_count, 1);
  open_selected();
  EXPECT_EQ(host_current_directory(), "/");
  EXPECT_EQ(opened.action, open_action::nothing);
}

}  // namespace
