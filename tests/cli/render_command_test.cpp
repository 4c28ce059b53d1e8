#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/render_input.h"
#include "display/export_bitmap.h"
#include "formats/bmp_file.h"
#include "render/picture_chain.h"
#include "render/render_fixture.h"
#include "support/captured_console.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture file of the given size whose bytes encode their own offsets.
void write_picture(const fs::path& path, size_t size) {
  std::ofstream out(path, std::ios::binary);
  for (size_t i = 0; i < size; ++i) out.put(static_cast<char>((i * 7 + (i >> 8)) & 0xFF));
}

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
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(file->bytes.data()), file->bytes.size());
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
  return file_bytes(path);
}

class RenderCommand : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/velora-render-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  int run(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    captured_console console;
    const int status = run_render_command(views, VELORA_DATA_DIR, console.io);
    out = console.out();
    err = console.err();
    return status;
  }
  std::string at(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::string out, err;  // what the last command wrote
};

TEST_F(RenderCommand, BmpEqualsTheViewersWorkSurfaceA) {
  write_picture(dir_ / "koala.pic", 10018);
  ASSERT_EQ(run({at("koala.pic"), "-o", at("out.bmp")}), 0);
  const std::vector<uint8_t> expected =
      bmp_of(render_in_process(dir_ / "koala.pic", {.format_id = 14}), dir_ / "expected.bmp");
  const std::vector<uint8_t> actual = file_bytes(dir_ / "out.bmp");
  ASSERT_EQ(actual.size(), 1440054u);
  EXPECT_TRUE(actual == expected);
}

TEST_F(RenderCommand, InterlacedFrameBWithEverySettingAndAPaletteFile) {
  write_picture(dir_ / "fun.pic", 33694);
  std::ofstream(dir_ / "colours.cfg") << "$0=102030\n$1=405060\n$2=A0B0C0\n";
  ASSERT_EQ(run({at("fun.pic"), "--mode", "interlaced", "--frame", "b", "--inertia", "10",
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
      bmp_of(render_in_process(dir_ / "fun.pic", e), dir_ / "e.bmp");
  EXPECT_TRUE(file_bytes(dir_ / "out.bmp") == expected);
  e.frame_b = false;
  const std::vector<uint8_t> frame_a =
      bmp_of(render_in_process(dir_ / "fun.pic", e), dir_ / "a.bmp");
  EXPECT_FALSE(frame_a == expected);
}

TEST_F(RenderCommand, PngHoldsTheSamePixels) {
  write_picture(dir_ / "hires.pic", 9217);
  ASSERT_EQ(run({at("hires.pic"), "-o", at("out.PNG")}), 0);
  const surface expected = render_in_process(dir_ / "hires.pic", {.format_id = 9});
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&png, at("out.PNG").c_str()));
  png.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
  ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
  ASSERT_EQ(rgb.size(), expected.pixels.size() * 3);
  for (size_t i = 0; i < expected.pixels.size(); ++i)
    ASSERT_EQ((rgb[i * 3] << 16) | (rgb[i * 3 + 1] << 8) | rgb[i * 3 + 2], expected.pixels[i]);
}

// Runs in dir as the current directory, where the default configuration file is looked up.
class RenderCommandInDir : public RenderCommand {
 protected:
  void SetUp() override {
    RenderCommand::SetUp();
    saved_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(saved_);
    RenderCommand::TearDown();
  }
  fs::path saved_;
};

TEST_F(RenderCommandInDir, ConfigurationFileInTheCurrentDirectoryIsTheDefault) {
  write_picture(dir_ / "koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF";
  ASSERT_EQ(run({"koala.pic", "-o", "out.bmp"}), 0);
  expected_render e{.format_id = 14};
  e.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(file_bytes("out.bmp") == bmp_of(render_in_process("koala.pic", e), "e.bmp"));
}

TEST_F(RenderCommandInDir, ConfigurationDirectoryIsTreatedAsMissing) {
  write_picture(dir_ / "koala.pic", 10018);
  fs::create_directory("Velora2003.cfg");
  ASSERT_EQ(run({"koala.pic", "-o", "out.bmp"}), 0);
  EXPECT_TRUE(file_bytes("out.bmp") ==
              bmp_of(render_in_process("koala.pic", {.format_id = 14}), "e.bmp"));
}

TEST_F(RenderCommandInDir, PaletteEndingInsideAnEntryReportsAndGoesOn) {
  write_picture(dir_ / "koala.pic", 10018);
  std::ofstream("Velora2003.cfg") << "$0=FFFFFF\n$1=00";
  const int status = run({"koala.pic", "-o", "out.bmp"});
  EXPECT_EQ(err, "Read beyond end of file.\n");
  ASSERT_EQ(status, 0);
  expected_render e{.format_id = 14};
  e.palette[0] = 0xFFFFFF;
  EXPECT_TRUE(file_bytes("out.bmp") == bmp_of(render_in_process("koala.pic", e), "e.bmp"));
}

TEST_F(RenderCommand, InputsThatCannotBeShownExitWithOneAndWriteNothing) {
  write_picture(dir_ / "odd.pic", 10000);
  write_picture(dir_ / "art.pic", 9009);
  write_picture(dir_ / "ufli.pic", 16194);
  fs::create_directory(dir_ / "folder");
  for (const std::string input : {"missing.pic", "folder", "odd.pic", "art.pic", "ufli.pic"}) {
    EXPECT_EQ(run({at(input), "-o", at("out.bmp")}), 1) << input;
    const std::string message = err;
    EXPECT_NE(message.find(at(input)), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_FALSE(fs::exists(dir_ / "out.bmp")) << input;
  }
}

TEST_F(RenderCommand, BadUsageExitsWithTwo) {
  write_picture(dir_ / "koala.pic", 10018);
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
  for (const auto& args : cases) {
    const int status = run(args);
    const std::string message = err;
    EXPECT_EQ(status, 2) << message;
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.bmp"));
}

TEST_F(RenderCommand, UnwritableOutputExitsWithOne) {
  write_picture(dir_ / "koala.pic", 10018);
  EXPECT_EQ(run({at("koala.pic"), "-o", at("no-dir/out.bmp")}), 1);
  EXPECT_NE(err.find("Cannot create file"), std::string::npos);
}

// The program itself, as a user runs it.
TEST_F(RenderCommand, ProgramExitStatusesAndOutput) {
  write_picture(dir_ / "fli.pic", 17409);
  const std::string program = VELORA_PROGRAM;
  const auto status = [&](const std::string& args) {
    const int raw = std::system((program + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status("render " + at("fli.pic") + " -o " + at("out.bmp")), 0);
  EXPECT_TRUE(file_bytes(dir_ / "out.bmp") ==
              bmp_of(render_in_process(dir_ / "fli.pic", {.format_id = 5}), dir_ / "e.bmp"));
  EXPECT_EQ(status("render " + at("missing.pic") + " -o " + at("x.bmp")), 1);
  EXPECT_EQ(status("render " + at("fli.pic") + " -o " + at("x.bmp") + " --frame z"), 2);
  EXPECT_EQ(status("info " + at("fli.pic") + " >/dev/null"), 0);
  EXPECT_FALSE(fs::exists(dir_ / "x.bmp"));
}

TEST(BrowserPictureName, BaseNameWithFirstLetterUpperCased) {
  EXPECT_EQ(browser_picture_name("/some/dir/picture.vic"), "Picture.vic");
  EXPECT_EQ(browser_picture_name("zebra"), "Zebra");
  EXPECT_EQ(browser_picture_name("1st.vic"), "1st.vic");
  EXPECT_EQ(browser_picture_name("\xC3\xA9t\xC3\xA9.vic"), "\xC3\xA9t\xC3\xA9.vic");
}

class InfoCommand : public RenderCommand {
 protected:
  int run_info(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    captured_console console;
    const int status = run_info_command(views, console.io);
    out = console.out();
    err = console.err();
    return status;
  }
};

TEST_F(InfoCommand, OneLinePerFileWithSizeIdAndName) {
  write_picture(dir_ / "a.pic", 33603);
  write_picture(dir_ / "b.pic", 16194);
  write_picture(dir_ / "c.pic", 123);
  EXPECT_EQ(run_info({at("a.pic"), at("b.pic"), at("c.pic")}), 0);
  EXPECT_EQ(out, at("a.pic") + "\t33603\t1\tGun Paint interlace 320x200\n" + at("b.pic") +
                     "\t16194\t17\tCrest Ufli 320x200\n" + at("c.pic") +
                     "\t123\t0\tUnknown VELORA format\n");
}

TEST_F(InfoCommand, UnreadableFilesAreReportedAndTheRestListed) {
  write_picture(dir_ / "a.pic", 10018);
  EXPECT_EQ(run_info({at("missing.pic"), dir_.string(), at("a.pic")}), 1);
  const std::string errors = err;
  EXPECT_EQ(out, at("a.pic") + "\t10018\t14\tAdvanced Art Studio 160x200\n");
  EXPECT_NE(errors.find(at("missing.pic")), std::string::npos);
  EXPECT_NE(errors.find(dir_.string()), std::string::npos);
  EXPECT_EQ(run_info({}), 2);
}

}  // namespace
