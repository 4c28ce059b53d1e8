#include "viewer/start_target.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/start_argument.h"
#include "browser/browser.h"

namespace {

namespace fs = std::filesystem;

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

class StartTarget : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(INSTALL_TEST_TMP_DIR) + "/start-XXXXXX";
    fs::create_directories(INSTALL_TEST_TMP_DIR);
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    fs::create_directories(root / "pics");
    std::ofstream(root / "pics/sunset.vic") << "x";
    std::ofstream(root / "pics/Disk.D64") << "x";
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path root;
};

TEST_F(StartTarget, FolderIsBrowsedWhereItIs) {
  const result<start_target> c = classify_start((root / "pics").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::folder);
  EXPECT_EQ(c->folder, (root / "pics").string());
  EXPECT_TRUE(c->file_name.empty());
}

TEST_F(StartTarget, PictureFileStartsInItsFolder) {
  const result<start_target> c = classify_start((root / "pics/sunset.vic").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::picture_file);
  EXPECT_EQ(c->folder, (root / "pics").string());
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(StartTarget, DiskImageInAnyCaseIsBrowsedInside) {
  const result<start_target> c = classify_start((root / "pics/Disk.D64").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::disk_image);
  EXPECT_EQ(c->file_name, "Disk.D64");
}

TEST_F(StartTarget, FileWithoutAFolderPartStartsInTheCurrentOne) {
  const fs::path saved = fs::current_path();
  fs::current_path(root / "pics");
  const result<start_target> c = classify_start("sunset.vic");
  fs::current_path(saved);
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->folder, ".");
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(StartTarget, MissingPathIsAnErrorNamingIt) {
  const std::string missing = (root / "nothing.vic").string();
  const result<start_target> c = classify_start(missing);
  ASSERT_FALSE(c);
  EXPECT_NE(c.error().find(missing), std::string::npos);
  EXPECT_NE(c.error().find("does not exist"), std::string::npos);
  EXPECT_FALSE(classify_start((root / "pics/sunset.vic/").string()));
}

TEST_F(StartTarget, StartRowIsSelectedOnlyWhereTheFileIsListed) {
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
