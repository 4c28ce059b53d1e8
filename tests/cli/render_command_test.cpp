#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/render_input.h"
#include "cli_fixture.h"

namespace {

namespace fs = std::filesystem;

using RenderCommand = CliTest;

// The options reach the render: the output is what a render with those settings writes.
TEST_F(RenderCommand, InterlacedFrameBWithEverySettingAndAPaletteFile) {
  picture("fun.pic", 33694);
  std::ofstream(dir / "colours.cfg") << "$0=102030\n$1=405060\n$2=A0B0C0\n";
  ASSERT_EQ(render({"fun.pic", "--mode", "interlaced", "--frame", "b", "--inertia", "10",
                    "--scanline", "0", "--palette", "colours.cfg", "-o", "out.bmp"}),
            0);
  render_settings settings;
  settings.crt.display_mode = display_interlaced;
  settings.crt.set_inertia_index(10);
  settings.crt.set_scanline_index(0);
  settings.palette[0] = 0x302010;
  settings.palette[1] = 0x605040;
  settings.palette[2] = 0xC0B0A0;
  settings.frame = render_target::b;
  const std::vector<uint8_t> frame_b = single("fun.pic", "e.bmp", settings);
  EXPECT_TRUE(read_file_bytes(dir / "out.bmp") == frame_b);
  settings.frame = render_target::a;
  EXPECT_FALSE(single("fun.pic", "a.bmp", settings) == frame_b);
}

// A PETSCII screen drawn with a ROM the user names, or else with ours (the caption says so); a
// file that is no ROM is refused before anything is written.
TEST_F(RenderCommand, ChargenChoosesTheCharactersOfTextScreens) {
  std::vector<uint8_t> screen(2026);
  for (size_t cell = 0; cell < 1000; ++cell) {
    screen[2 + cell] = static_cast<uint8_t>(cell);
    screen[1026 + cell] = 1;
  }
  write_file_bytes(dir / "s.pet", screen);
  write_file_bytes(dir / "test.rom", counting_bytes(4096, 5));
  write_file_bytes(dir / "short.rom", counting_bytes(4000, 5));
  ASSERT_EQ(render({"s.pet", "--chargen", "test.rom", "-o", "rom.bmp"}), 0) << err;
  ASSERT_EQ(render({"s.pet", "-o", "own.bmp"}), 0) << err;
  render_settings settings;
  const std::vector<uint8_t> rom = counting_bytes(4096, 5);
  std::copy(rom.begin(), rom.end(), settings.rom.emplace().bytes.begin());
  EXPECT_TRUE(read_file_bytes(dir / "rom.bmp") == single("s.pet", "e.bmp", settings));
  EXPECT_FALSE(read_file_bytes(dir / "own.bmp") == read_file_bytes(dir / "rom.bmp"));
  EXPECT_EQ(render({"s.pet", "--chargen", "short.rom", "-o", "short.bmp"}), 2);
  EXPECT_NE(err.find("4096 bytes"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "short.bmp"));
}

TEST_F(RenderCommand, PngNameWritesAPng) {
  picture("hires.pic", 9217);
  ASSERT_EQ(render({"hires.pic", "-o", "out.PNG"}), 0);
  EXPECT_TRUE(read_file_bytes(dir / "out.PNG") == single("hires.pic", "e.png"));
}

TEST_F(RenderCommand, ConfigurationFileInTheCurrentDirectoryIsTheDefault) {
  picture("koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF";
  ASSERT_EQ(render({"koala.pic", "-o", "out.bmp"}), 0);
  render_settings settings;
  settings.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(read_file_bytes("out.bmp") == single("koala.pic", "e.bmp", settings));
}

TEST_F(RenderCommand, ConfigurationDirectoryIsTreatedAsMissing) {
  picture("koala.pic", 10018);
  fs::create_directory("Velora2003.cfg");
  ASSERT_EQ(render({"koala.pic", "-o", "out.bmp"}), 0);
  EXPECT_TRUE(read_file_bytes("out.bmp") == single("koala.pic", "e.bmp"));
}

TEST_F(RenderCommand, PaletteEndingInsideAnEntryReportsAndGoesOn) {
  picture("koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF\n$1=00";
  const int status = render({"koala.pic", "-o", "out.bmp"});
  EXPECT_EQ(err, "Read beyond end of file.\n");
  ASSERT_EQ(status, 0);
  render_settings settings;
  settings.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(read_file_bytes("out.bmp") == single("koala.pic", "e.bmp", settings));
}

TEST_F(RenderCommand, InputsThatCannotBeShownExitWithOneAndWriteNothing) {
  picture("odd.pic", 10000);
  write_file_bytes(dir / "basic.pic", misplaced);
  fs::create_directory(dir / "folder");
  for (const std::string input : {"missing.pic", "folder", "odd.pic", "basic.pic"}) {
    EXPECT_EQ(render({at(input), "-o", at("out.bmp")}), 1) << input;
    const std::string message = err;
    EXPECT_NE(message.find(at(input)), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_FALSE(fs::exists(dir / "out.bmp")) << input;
  }
}

// A packed file whose stream is bad says so, not that its size names nothing.
TEST_F(RenderCommand, BadPackedStreamSaysWhatIsWrong) {
  for (const auto& [name, text] :
       {std::pair{"bad.gg", "the Koala Painter GG stream does not unpack to 10003 bytes"},
        {"bad.jj", "the Doodle JJ stream does not unpack to 9026 or 9218 bytes"},
        {"bad.drl", "the Draz Lace stream does not unpack to 18242 bytes"}}) {
    picture(name, 122);
    EXPECT_EQ(render({name, "-o", "out.bmp"}), 1);
    EXPECT_EQ(err, "velora2003: render: " + std::string(name) + ": " + text + "\n");
  }
}

TEST_F(RenderCommand, BadUsageExitsWithTwo) {
  picture("koala.pic", 10018);
  const std::string in = at("koala.pic"), out = at("out.bmp");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {in},
      {"-o", out},
      {in, "-o"},
      {in, "-o", at("out.jpg")},
      {in, "-o", out, "--mode", "flicker"},
      {in, "-o", out, "--frame", "c"},
      {in, "-o", out, "--inertia", "11"},
      {in, "-o", out, "--inertia", "-1"},
      {in, "-o", out, "--scanline", "10"},
      {in, "-o", out, "--scanline", ""},
      {in, "-o", out, "--speed", "1"},
      {in, in, "-o", out},  // several inputs go into a folder
      {in, "-o", out, "--palette", "no-such-preset"},
      {in, "-o", at("out/"), "--format", "gif"},
      {in, "-o", at("out/"), "--format"},
      {in, "-o", out, "--format", "png"},  // not the format the name asks for
  };
  for (const auto& args : cases) EXPECT_EQ(render(args), 2) << err;
  EXPECT_FALSE(fs::exists(dir / "out.bmp"));
  EXPECT_FALSE(fs::exists(dir / "out"));
  EXPECT_EQ(render({in, "-o", at("out.png"), "--format", "png"}), 0) << err;
}

TEST_F(RenderCommand, UnwritableOutputExitsWithOne) {
  picture("koala.pic", 10018);
  EXPECT_EQ(render({at("koala.pic"), "-o", at("no-dir/out.bmp")}), 1);
  EXPECT_NE(err.find("Cannot create file"), std::string::npos);
}

TEST(BrowserPictureName, BaseNameWithFirstLetterUpperCased) {
  EXPECT_EQ(browser_picture_name("/some/dir/picture.vic"), "Picture.vic");
  EXPECT_EQ(browser_picture_name("zebra"), "Zebra");
  EXPECT_EQ(browser_picture_name("1st.vic"), "1st.vic");
  EXPECT_EQ(browser_picture_name("\xC3\xA9t\xC3\xA9.vic"), "\xC3\xA9t\xC3\xA9.vic");
}

}  // namespace
