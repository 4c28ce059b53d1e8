#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "d64/d64_test_image.h"
#include "support/captured_console.h"
#include "tools/make-d64/d64_writer.h"

namespace {

std::vector<uint8_t> read_all(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_all(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

class RenderEntry : public ::testing::Test {
 protected:
  std::filesystem::path dir = make_temp_dir();
  std::vector<uint8_t> picture = std::vector<uint8_t>(19434);  // a two-frame format
  std::vector<uint8_t> odd = std::vector<uint8_t>(9009, 7);    // named but not shown

  void SetUp() override {
    for (size_t i = 0; i < picture.size(); ++i)
      picture[i] = static_cast<uint8_t>(i * 13 + (i >> 8) * 5);
    auto image = std::make_unique<std::array<uint8_t, d64_image_size>>();
    const std::vector<d64_file> files = {
        {"NOTES", 0x81, picture}, {"PIC", 0x82, picture}, {"STUDIO", 0x82, odd}};
    ASSERT_TRUE(build_d64_image("RENDER", "R1", files, *image).ok);
    write_all(dir / "disk.d64", *image);
    // Named as the entry's caption shows it, so both captions match.
    write_all(dir / "PIC", picture);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  int render(const std::string& input, const std::string& output, std::string_view frame = "a") {
    const std::string in = (dir / input).string(), out = (dir / output).string();
    const std::vector<std::string_view> args = {in,           "-o",      out,  "--mode",
                                                "interlaced", "--frame", frame};
    captured_console console;
    return run_render_command(args, VELORA_DATA_DIR, console.io);
  }
};

TEST_F(RenderEntry, EntryRendersAsTheSameHostFile) {
  for (std::string_view frame : {"a", "b"}) {
    ASSERT_EQ(render("disk.d64:1", "entry.bmp", frame), 0);
    ASSERT_EQ(render("PIC", "host.bmp", frame), 0);
    const auto entry = read_all(dir / "entry.bmp");
    EXPECT_EQ(entry.size(), 1440054u);
    EXPECT_TRUE(entry == read_all(dir / "host.bmp")) << "frame " << frame;
  }
}

TEST_F(RenderEntry, OtherEntriesCannotBeShown) {
  EXPECT_EQ(render("disk.d64:0", "seq.bmp"), 1);    // not a PRG
  EXPECT_EQ(render("disk.d64:2", "odd.bmp"), 1);    // a format with no decoding
  EXPECT_EQ(render("disk.d64:3", "none.bmp"), 1);   // no such entry
  EXPECT_EQ(render("other.d64:0", "gone.bmp"), 1);  // no such image
  EXPECT_FALSE(std::filesystem::exists(dir / "seq.bmp"));
}

}  // namespace
