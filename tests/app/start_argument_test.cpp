#include "app/start_argument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace {

class ClassifyStart : public testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(root / "sunset.vic") << "x";
    std::ofstream(root / "Disk.D64") << "x";
  }

  temp_folder root{temp_folder::current::enter};
};

TEST_F(ClassifyStart, FolderIsBrowsedWhereItIs) {
  const result<start_target> c = classify_start(root.path().string());
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::folder);
  EXPECT_EQ(c->folder, root.path().string());
  EXPECT_TRUE(c->file_name.empty());
}

TEST_F(ClassifyStart, PictureFileStartsInItsFolder) {
  const result<start_target> c = classify_start(root.at("sunset.vic"));
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::picture_file);
  EXPECT_EQ(c->folder, root.path().string());
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(ClassifyStart, DiskImageInAnyCaseIsBrowsedInside) {
  const result<start_target> c = classify_start(root.at("Disk.D64"));
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->kind, start_kind::disk_image);
  EXPECT_EQ(c->file_name, "Disk.D64");
}

TEST_F(ClassifyStart, FileWithoutAFolderPartStartsInTheCurrentOne) {
  const result<start_target> c = classify_start("sunset.vic");
  ASSERT_TRUE(c) << c.error();
  EXPECT_EQ(c->folder, ".");
  EXPECT_EQ(c->file_name, "sunset.vic");
}

TEST_F(ClassifyStart, MissingPathIsAnErrorNamingIt) {
  const std::string missing = root.at("nothing.vic");
  const result<start_target> c = classify_start(missing);
  ASSERT_FALSE(c);
  EXPECT_NE(c.error().find(missing), std::string::npos);
  EXPECT_NE(c.error().find("does not exist"), std::string::npos);
  EXPECT_FALSE(classify_start(root.at("sunset.vic/")));
}

}  // namespace
