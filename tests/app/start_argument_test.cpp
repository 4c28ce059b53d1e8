#include "app/start_argument.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class ClassifyStart : public testing::Test {
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

TEST_F(ClassifyStart, FolderIsBrowsedWhereItIs) {
  const result<start_target> c = classify_start((root / "pics").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::folder);
  EXPECT_EQ(c->folder, (root / "pics").string());
  EXPECT_TRUE(c->file_name.empty());
}

TEST_F(ClassifyStart, PictureFileStartsInItsFolder) {
  const result<start_target> c = classify_start((root / "pics/sunset.vic").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::picture_file);
  EXPECT_EQ(c->folder, (root / "pics").string());
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(ClassifyStart, DiskImageInAnyCaseIsBrowsedInside) {
  const result<start_target> c = classify_start((root / "pics/Disk.D64").string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::disk_image);
  EXPECT_EQ(c->file_name, "Disk.D64");
}

TEST_F(ClassifyStart, FileWithoutAFolderPartStartsInTheCurrentOne) {
  const fs::path saved = fs::current_path();
  fs::current_path(root / "pics");
  const result<start_target> c = classify_start("sunset.vic");
  fs::current_path(saved);
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->folder, ".");
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(ClassifyStart, MissingPathIsAnErrorNamingIt) {
  const std::string missing = (root / "nothing.vic").string();
  const result<start_target> c = classify_start(missing);
  ASSERT_FALSE(c);
  EXPECT_NE(c.error().find(missing), std::string::npos);
  EXPECT_NE(c.error().find("does not exist"), std::string::npos);
  EXPECT_FALSE(classify_start((root / "pics/sunset.vic/").string()));
}

}  // namespace
