// The program as a user runs it, in a fresh current folder: what its entry answers itself, and
// what it hands the subcommands (their arguments, the data folder beside it, and whether
// stderr is a terminal).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "cli/cli_fixture.h"
#include "render/palette.h"
#include "text/recorded_fonts.h"

namespace {

class Program : public CliTest {
 protected:
  // Runs the program with the arguments (shell words) and keeps what it wrote.
  int program(const std::string& args) { return shell(std::string(VELORA_PROGRAM) + " " + args); }
  int shell(const std::string& command) {
    const int raw = std::system((command + " >stdout 2>stderr").c_str());
    out = text_of("stdout");
    err = text_of("stderr");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string text_of(const std::string& name) const {
    const std::vector<uint8_t> bytes = read_file_bytes(dir / name);
    return {bytes.begin(), bytes.end()};
  }
};

TEST_F(Program, BadUsageExitsWithTwoAndOneLineOnStderr) {
  EXPECT_EQ(program("--scale 0"), 2);
  EXPECT_EQ(err.rfind("velora2003: ", 0), 0u) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(out, "");
}

TEST_F(Program, HelpAndVersionExitWithZero) {
  EXPECT_EQ(program("--help"), 0);
  EXPECT_EQ(out, usage_text());
  EXPECT_EQ(program("--version"), 0);
  EXPECT_EQ(out, version_text());
  EXPECT_EQ(err, "");
}

TEST_F(Program, SubcommandsTakeTheirArgumentsAndExitWithTheirStatus) {
  picture("fli.pic", 17409);
  EXPECT_EQ(program("render fli.pic -o out.bmp"), 0);
  EXPECT_TRUE(read_file_bytes(dir / "out.bmp") == single("fli.pic", "e.bmp"));
  EXPECT_EQ(program("render missing.pic -o x.bmp"), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
  EXPECT_EQ(program("info fli.pic"), 0);
  EXPECT_EQ(out.rfind("fli.pic\t17409\t", 0), 0u) << out;
}

TEST_F(Program, PalettePresetsComeFromTheDataFolderBesideIt) {
  picture("one.vic", 10018, 1);
  ASSERT_EQ(program("render one.vic -o out/ --palette pepto"), 0) << err;
  render_settings settings;
  ASSERT_EQ(
      load_palette(std::string(PROJECT_SOURCE_DIR) + "/data/palettes/pepto.cfg", settings.palette),
      palette_load_status::applied);
  EXPECT_TRUE(read_file_bytes(dir / "out/one.bmp") == single("one.vic", "e.bmp", settings));
}

TEST_F(Program, RenderProgressShowsOnATerminalOnly) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
  picture("one.vic", 10018, 1);
  picture("two.vic", 10018, 2);
  const std::string render = std::string(VELORA_PROGRAM) + " render one.vic two.vic -o out/";
  ASSERT_EQ(
      WEXITSTATUS(std::system(("script -qec '" + render + "' /dev/null >typescript 2>&1").c_str())),
      0);
  const std::string text = text_of("typescript");
  EXPECT_NE(text.find("[1/2] "), std::string::npos) << text;
  EXPECT_NE(text.find("[2/2] "), std::string::npos) << text;
  EXPECT_NE(text.find("2 done, 0 skipped"), std::string::npos) << text;
  EXPECT_EQ(program("render one.vic two.vic -o again/"), 0);
  EXPECT_EQ(err, "velora2003: render: 2 done, 0 skipped\n");
}

// The caption's face comes from the build's record of fontconfig's answer: a render does not
// read fontconfig's configuration, and draws the same caption without one.
TEST_F(Program, RenderDrawsTheCaptionWithoutFontconfigsConfiguration) {
  if (recorded_fonts().empty() || recorded_fonts().front().file.empty())
    GTEST_SKIP() << "the build found no face for Arial";
  picture("one.vic", 10018, 1);
  std::ofstream(dir / "empty.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  ASSERT_EQ(program("render one.vic -o with.bmp"), 0) << err;
  const std::string without = "FONTCONFIG_FILE=" + (dir / "empty.conf").string() + " " +
                              VELORA_PROGRAM + " render one.vic -o without.bmp";
  ASSERT_EQ(WEXITSTATUS(std::system(without.c_str())), 0);
  EXPECT_TRUE(read_file_bytes(dir / "without.bmp") == read_file_bytes(dir / "with.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "with.bmp") == single("one.vic", "e.bmp"));
}

// The caption's glyphs are kept in the user's cache: a render that finds them there draws the
// same caption without loading FreeType, and one that finds them stale or damaged draws it with
// FreeType and keeps them afresh.
TEST_F(Program, CaptionGlyphsKeptInTheCacheDrawTheSameCaptionWithoutFreeType) {
  if (recorded_fonts().empty() || recorded_fonts().front().file.empty())
    GTEST_SKIP() << "the build found no face for Arial";
  picture("one.vic", 10018, 1);
  std::filesystem::copy_file(dir / "one.vic", dir / "Zürich €.vic");
  const std::string cache = "XDG_CACHE_HOME=" + at("cache") + " ";
  const auto loads_freetype = [&](const std::string& settings, const std::string& input,
                                  const std::string& output) {
    EXPECT_EQ(shell(cache + settings + " LD_DEBUG=libs " + VELORA_PROGRAM + " render '" + input +
                    "' -o " + output),
              0);
    return err.find("libfreetype") != std::string::npos;
  };
  EXPECT_TRUE(loads_freetype("", "one.vic", "first.bmp"));
  const auto store = dir / "cache/velora2003/glyphs";
  ASSERT_TRUE(std::filesystem::exists(store));
  EXPECT_FALSE(loads_freetype("", "one.vic", "again.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "again.bmp") == read_file_bytes(dir / "first.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "first.bmp") == single("one.vic", "e.bmp"));

  // Characters the store lacks are set with FreeType beside those it holds.
  EXPECT_TRUE(loads_freetype("", "Zürich €.vic", "other.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "other.bmp") == single("Zürich €.vic", "o.bmp"));
  EXPECT_FALSE(loads_freetype("", "Zürich €.vic", "other-again.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "other-again.bmp") == read_file_bytes(dir / "other.bmp"));

  // FreeType's settings change its glyphs: the store no longer stands.
  EXPECT_TRUE(
      loads_freetype("FREETYPE_PROPERTIES=truetype:interpreter-version=40", "one.vic", "set.bmp"));
  std::filesystem::resize_file(store, std::filesystem::file_size(store) / 2);
  EXPECT_TRUE(loads_freetype("", "one.vic", "cut.bmp"));
  EXPECT_FALSE(loads_freetype("", "one.vic", "kept.bmp"));
  for (const char* name : {"set.bmp", "cut.bmp", "kept.bmp"})
    EXPECT_TRUE(read_file_bytes(dir / name) == read_file_bytes(dir / "first.bmp")) << name;
}

}  // namespace
