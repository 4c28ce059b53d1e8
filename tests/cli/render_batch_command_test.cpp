// The render command with several inputs or an output folder, as a user runs it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>

#include "cli_fixture.h"
#include "render/palette.h"

namespace {

using RenderBatchCommand = CliTest;

TEST_F(RenderBatchCommand, SeveralInputsGoIntoTheFolderWithASummary) {
  picture("one.vic", 10018, 1);
  picture("two.vic", 17409, 2);
  ASSERT_EQ(render({at("one.vic"), at("two.vic"), "-o", at("out/new/")}), 0) << err;
  EXPECT_TRUE(read_file_bytes(dir / "out/new/one.bmp") == single(at("one.vic"), "e1.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "out/new/two.bmp") == single(at("two.vic"), "e2.bmp"));
  EXPECT_EQ(err, "velora2003: render: 2 done, 0 skipped\n");
}

TEST_F(RenderBatchCommand, BadInputIsReportedAndTheOthersStillConvert) {
  picture("good.vic", 10018, 1);
  picture("short.vic", 100, 2);
  std::filesystem::create_directories(dir / "folder");
  ASSERT_EQ(render({at("short.vic"), at("folder"), at("good.vic"), "-o", at("out/")}), 1);
  EXPECT_TRUE(read_file_bytes(dir / "out/good.bmp") == single(at("good.vic"), "e.bmp"));
  EXPECT_NE(err.find("1 done, 2 skipped"), std::string::npos) << err;
  EXPECT_NE(err.find("skipped " + at("short.vic") + ": a size of 100 bytes names no format"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("skipped " + at("folder") + ": is a directory"), std::string::npos) << err;
  // Not a terminal: no progress lines.
  EXPECT_EQ(err.find('['), std::string::npos) << err;
}

TEST_F(RenderBatchCommand, ExistingFolderWithoutSlashAndPngFormat) {
  picture("one.vic", 19434, 1);
  std::filesystem::create_directories(dir / "out");
  ASSERT_EQ(render({at("one.vic"), "-o", at("out"), "--format", "png", "--mode", "interlaced",
                    "--frame", "b"}),
            0)
      << err;
  render_settings settings;
  settings.crt.display_mode = display_interlaced;
  settings.frame = render_target::b;
  EXPECT_TRUE(read_file_bytes(dir / "out/one.png") == single(at("one.vic"), "e.png", settings));
}

TEST_F(RenderBatchCommand, WholeDiskImage) {
  disk_image("disk.d64");
  ASSERT_EQ(render({at("disk.d64"), "-o", at("out/")}), 0) << err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out/disk-01-KOALA_PIC.bmp"));
  EXPECT_TRUE(std::filesystem::exists(dir / "out/disk-03-SUN_SET.bmp"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"), {}), 2);
  EXPECT_EQ(err, "velora2003: render: 2 done, 0 skipped\n");
}

TEST_F(RenderBatchCommand, PaletteFileAppliesToEveryPicture) {
  picture("one.vic", 10018, 1);
  std::ofstream(dir / "warm.cfg") << "$0=FF0000$1=00FF00";
  ASSERT_EQ(render({at("one.vic"), "-o", at("out/"), "--palette", at("warm.cfg")}), 0) << err;
  render_settings settings;
  settings.palette[0] = 0x0000FF;
  settings.palette[1] = 0x00FF00;
  EXPECT_TRUE(read_file_bytes(dir / "out/one.bmp") == single(at("one.vic"), "e.bmp", settings));
}

TEST_F(RenderBatchCommand, UserPaletteFileIsTheFallback) {
  picture("one.vic", 10018, 1);
  std::filesystem::create_directories(dir / "config/velora2003");
  std::ofstream(dir / "config/velora2003/Velora2003.cfg") << "$0=123456";
  ASSERT_EQ(render({at("one.vic"), "-o", at("one.bmp")}), 0) << err;
  render_settings settings;
  settings.palette[0] = 0x563412;
  EXPECT_TRUE(read_file_bytes(dir / "one.bmp") == single(at("one.vic"), "e.bmp", settings));
}

TEST_F(RenderBatchCommand, BadUsage) {
  picture("one.vic", 10018, 1);
  const std::string in = at("one.vic");
  const std::vector<std::vector<std::string>> cases = {
      {in, in, "-o", at("out.bmp")},
      {in, "-o", at("out/"), "--format", "gif"},
      {in, "-o", at("out.bmp"), "--format", "png"},
      {in, "-o", at("out/"), "--format"},
      {in, "-o", at("out/"), "--palette", "no-such-preset"},
  };
  for (const auto& args : cases) EXPECT_EQ(render(args), 2) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  EXPECT_EQ(render({in, "-o", at("out.png"), "--format", "png"}), 0) << err;
}

// The program: presets from the data folder beside it, progress only on a terminal.
TEST_F(RenderBatchCommand, ProgramTakesPresetNames) {
  picture("one.vic", 10018, 1);
  const std::string command = std::string(VELORA_PROGRAM) + " render '" + at("one.vic") + "' -o '" +
                              at("out/") + "' --palette pepto 2>'" + at("err") + "'";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
  render_settings settings;
  ASSERT_EQ(
      load_palette(std::string(PROJECT_SOURCE_DIR) + "/data/palettes/pepto.cfg", settings.palette),
      palette_load_status::applied);
  EXPECT_TRUE(read_file_bytes(dir / "out/one.bmp") == single(at("one.vic"), "e.bmp", settings));
}

TEST_F(RenderBatchCommand, ProgressLinesOnATerminal) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
  picture("one.vic", 10018, 1);
  picture("two.vic", 10018, 2);
  const std::string inner = std::string(VELORA_PROGRAM) + " render " + at("one.vic") + " " +
                            at("two.vic") + " -o " + at("out/");
  const std::string command =
      "script -qec '" + inner + "' /dev/null >'" + at("typescript") + "' 2>&1";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
  const std::vector<uint8_t> bytes = read_file_bytes(dir / "typescript");
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("[1/2] "), std::string::npos) << text;
  EXPECT_NE(text.find("[2/2] "), std::string::npos) << text;
  EXPECT_NE(text.find("2 done, 0 skipped"), std::string::npos) << text;
}

}  // namespace
