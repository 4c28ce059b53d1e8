#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "formats/format_table.h"
#include "sample_formats.h"
#include "support/temp_folder.h"

namespace {

class MakeSamplesCommand : public testing::Test {
 protected:
  int run(const std::string& arguments) {
    const std::string command = std::string(MAKE_SAMPLES_PATH) + " " + arguments + " 2>/dev/null";
    return WEXITSTATUS(std::system(command.c_str()));
  }

  temp_folder dir;
};

TEST_F(MakeSamplesCommand, WritesOneFilePerShowableFormat) {
  ASSERT_EQ(run(dir.at("out")), 0);
  size_t files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir / "out"))
    files += entry.is_regular_file();
  EXPECT_EQ(files, sample_formats.size());
  for (const sample_format& sample : sample_formats)
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / sample.file_name)) << sample.file_name;
  EXPECT_EQ(std::filesystem::file_size(dir / "out" / "01-gun-paint.vic"), 33602u);
}

TEST_F(MakeSamplesCommand, AllAddsAFileOfAnUnknownSize) {
  ASSERT_EQ(run("--all " + dir.path().string()), 0);
  EXPECT_EQ(std::filesystem::file_size(dir / unknown_size_sample.file_name),
            unknown_size_sample.size);
}

TEST_F(MakeSamplesCommand, BadUsage) {
  EXPECT_EQ(run(""), 2);
  EXPECT_EQ(run("--bogus " + dir.path().string()), 2);
  EXPECT_EQ(run(dir.path().string() + " " + dir.path().string()), 2);
}

TEST_F(MakeSamplesCommand, FolderThatCannotBeMade) {
  std::filesystem::path blocker = dir / "file";
  std::ofstream(blocker) << "x";
  EXPECT_EQ(run((blocker / "sub").string()), 1);
}

}  // namespace
