#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli/render_input.h"
#include "cli_fixture.h"
#include "display/export_bitmap.h"
#include "formats/bmp_file.h"
#include "render/picture_chain.h"
#include "render/render_fixture.h"
#include "support/png_pixels.h"

namespace {

namespace fs = std::filesystem;

struct expected_render {
  uint8_t format_id = 0;
  uint8_t display_mode = display_static;
  uint8_t inertia_index = 5;
  uint8_t scanline_index = 6;
  palette_colours palette = default_palette;
  bool frame_b = false;
};

// The surface the viewer's chain leaves for the file, rendered in this process.
surface render_in_process(const fs::path& path, const expected_render& e) {
  auto f = make_render_fixture();
  auto file = std::make_unique<file_buffer>();
  const std::vector<uint8_t> bytes = read_file_bytes(path);
  std::copy_n(bytes.begin(), std::min(bytes.size(), file->bytes.size()), file->bytes.begin());
  f->palette = e.palette;
  f->crt.display_mode = e.display_mode;
  f->crt.set_inertia_index(e.inertia_index);
  f->crt.set_scanline_index(e.scanline_index);
  const std::string name = browser_picture_name(path.string());
  const format_entry& format = *format_by_id(e.format_id);
  f->context.caption = {name, format.name};
  render_picture(format, *file, f->context);
  return e.frame_b ? f->work_surface_b : f->work_surface_a;
}

std::vector<uint8_t> bmp_of(const surface& s, const fs::path& path) {
  export_bitmap bitmap;
  bitmap.take_surface(s);
  EXPECT_TRUE(write_bmp_file(path.string(), bitmap).ok());
  return read_file_bytes(path);
}

using RenderCommand = CliTest;

TEST_F(RenderCommand, BmpEqualsTheViewersWorkSurfaceA) {
  picture("koala.pic", 10018);
  ASSERT_EQ(render({at("koala.pic"), "-o", at("out.bmp")}), 0);
  const std::vector<uint8_t> expected =
      bmp_of(render_in_process(dir / "koala.pic", {.format_id = 14}), dir / "expected.bmp");
  const std::vector<uint8_t> actual = read_file_bytes(dir / "out.bmp");
  ASSERT_EQ(actual.size(), 1440054u);
  EXPECT_TRUE(actual == expected);
}

TEST_F(RenderCommand, InterlacedFrameBWithEverySettingAndAPaletteFile) {
  picture("fun.pic", 33694);
  std::ofstream(dir / "colours.cfg") << "$0=102030\n$1=405060\n$2=A0B0C0\n";
  ASSERT_EQ(render({at("fun.pic"), "--mode", "interlaced", "--frame", "b", "--inertia", "10",
                    "--scanline", "0", "--palette", at("colours.cfg"), "-o", at("out.bmp")}),
            0);
  expected_render e{.format_id = 13,
                    .display_mode = display_interlaced,
                    .inertia_index = 10,
                    .scanline_index = 0,
                    .frame_b = true};
  e.palette[0] = 0x302010;
  e.palette[1] = 0x605040;
  e.palette[2] = 0xC0B0A0;
  const std::vector<uint8_t> expected =
      bmp_of(render_in_process(dir / "fun.pic", e), dir / "e.bmp");
  EXPECT_TRUE(read_file_bytes(dir / "out.bmp") == expected);
  e.frame_b = false;
  const std::vector<uint8_t> frame_a = bmp_of(render_in_process(dir / "fun.pic", e), dir / "a.bmp");
  EXPECT_FALSE(frame_a == expected);
}

TEST_F(RenderCommand, PngHoldsTheSamePixels) {
  picture("hires.pic", 9217);
  ASSERT_EQ(render({at("hires.pic"), "-o", at("out.PNG")}), 0);
  const surface expected = render_in_process(dir / "hires.pic", {.format_id = 9});
  EXPECT_TRUE(png_pixels(dir / "out.PNG") == expected.pixels);
}

TEST_F(RenderCommand, ConfigurationFileInTheCurrentDirectoryIsTheDefault) {
  picture("koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF";
  ASSERT_EQ(render({"koala.pic", "-o", "out.bmp"}), 0);
  expected_render e{.format_id = 14};
  e.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(read_file_bytes("out.bmp") == bmp_of(render_in_process("koala.pic", e), "e.bmp"));
}

TEST_F(RenderCommand, ConfigurationDirectoryIsTreatedAsMissing) {
  picture("koala.pic", 10018);
  fs::create_directory("Velora2003.cfg");
  ASSERT_EQ(render({"koala.pic", "-o", "out.bmp"}), 0);
  EXPECT_TRUE(read_file_bytes("out.bmp") ==
              bmp_of(render_in_process("koala.pic", {.format_id = 14}), "e.bmp"));
}

TEST_F(RenderCommand, PaletteEndingInsideAnEntryReportsAndGoesOn) {
  picture("koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF\n$1=00";
  const int status = render({"koala.pic", "-o", "out.bmp"});
  EXPECT_EQ(err, "Read beyond end of file.\n");
  ASSERT_EQ(status, 0);
  expected_render e{.format_id = 14};
  e.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(read_file_bytes("out.bmp") == bmp_of(render_in_process("koala.pic", e), "e.bmp"));
}

TEST_F(RenderCommand, InputsThatCannotBeShownExitWithOneAndWriteNothing) {
  picture("odd.pic", 10000);
  picture("art.pic", 9009);
  picture("ufli.pic", 16194);
  fs::create_directory(dir / "folder");
  for (const std::string input : {"missing.pic", "folder", "odd.pic", "art.pic", "ufli.pic"}) {
    EXPECT_EQ(render({at(input), "-o", at("out.bmp")}), 1) << input;
    const std::string message = err;
    EXPECT_NE(message.find(at(input)), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_FALSE(fs::exists(dir / "out.bmp")) << input;
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
      {in, in, "-o", out},
      {in, "-o", out, "--palette", at("no-such.cfg")},
  };
  for (const auto& args : cases) EXPECT_EQ(render(args), 2) << err;
  EXPECT_FALSE(fs::exists(dir / "out.bmp"));
}

TEST_F(RenderCommand, UnwritableOutputExitsWithOne) {
  picture("koala.pic", 10018);
  EXPECT_EQ(render({at("koala.pic"), "-o", at("no-dir/out.bmp")}), 1);
  EXPECT_NE(err.find("Cannot create file"), std::string::npos);
}

// The program itself, as a user runs it.
TEST_F(RenderCommand, ProgramExitStatusesAndOutput) {
  picture("fli.pic", 17409);
  const std::string program = VELORA_PROGRAM;
  const auto status = [&](const std::string& args) {
    const int raw = std::system((program + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status("render " + at("fli.pic") + " -o " + at("out.bmp")), 0);
  EXPECT_TRUE(read_file_bytes(dir / "out.bmp") ==
              bmp_of(render_in_process(dir / "fli.pic", {.format_id = 5}), dir / "e.bmp"));
  EXPECT_EQ(status("render " + at("missing.pic") + " -o " + at("x.bmp")), 1);
  EXPECT_EQ(status("render " + at("fli.pic") + " -o " + at("x.bmp") + " --frame z"), 2);
  EXPECT_EQ(status("info " + at("fli.pic") + " >/dev/null"), 0);
  EXPECT_FALSE(fs::exists(dir / "x.bmp"));
}

TEST(BrowserPictureName, BaseNameWithFirstLetterUpperCased) {
  EXPECT_EQ(browser_picture_name("/some/dir/picture.vic"), "Picture.vic");
  EXPECT_EQ(browser_picture_name("zebra"), "Zebra");
  EXPECT_EQ(browser_picture_name("1st.vic"), "1st.vic");
  EXPECT_EQ(browser_picture_name("\xC3\xA9t\xC3\xA9.vic"), "\xC3\xA9t\xC3\xA9.vic");
}

}  // namespace
