#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "d64/d64_test_image.h"
#include "support/captured_console.h"
#include "tools/make-d64/d64_writer.h"

namespace {

class ListCommand : public ::testing::Test {
 protected:
  std::filesystem::path dir = make_temp_dir();

  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string write_image(const std::vector<d64_file>& files) {
    auto image = std::make_unique<std::array<uint8_t, d64_image_size>>();
    EXPECT_TRUE(build_d64_image("LIST", "L1", files, *image).ok);
    const std::string path = (dir / "disk.d64").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image->data()), d64_image_size);
    return path;
  }
  int run(std::vector<std::string_view> args, std::string& out) {
    captured_console console;
    const int status = run_list_command(args, console.io);
    out = console.out();
    return status;
  }
};

TEST_F(ListCommand, PrintsOneRowPerEntry) {
  const std::vector<uint8_t> picture(10018, 1), text(300, 2), odd(9009, 3);
  const std::string path = write_image({{"PICTURE", 0x82, picture},
                                        {"NOTES\xA0\x01", 0x81, text},
                                        {"\x05STUDIO\xFF", 0xC2, odd},
                                        {"GONE", 0x00, text},
                                        {"MYSTERY", 0x85, text}});
  std::string out;
  ASSERT_EQ(run({path}, out), 0);
  EXPECT_EQ(out,
            "0\tPICTURE         \tPRG\t10018\tAdvanced Art Studio 160x200\n"
            "1\tNOTES \\x01         \tSEQ\t\t\n"
            "2\t\\x05STUDIO\\xFF        \tPRG\t9009\tHires Art Studio 320x200\n"
            "3\tMYSTERY         \t???\t\t\n");
}

TEST_F(ListCommand, EmptyDirectoryPrintsNothing) {
  const std::string path = write_image({});
  std::string out;
  EXPECT_EQ(run({path}, out), 0);
  EXPECT_EQ(out, "");
}

TEST_F(ListCommand, UnreadableImagesExitOne) {
  std::ofstream(dir / "short.d64") << "short";
  std::filesystem::create_directory(dir / "folder.d64");
  std::string out;
  for (const auto& name : {"missing.d64", "short.d64", "folder.d64"}) {
    const std::string path = (dir / name).string();
    EXPECT_EQ(run({path}, out), 1) << name;
    EXPECT_EQ(out, "");
  }
}

TEST_F(ListCommand, BadUsageExitsTwo) {
  std::string out;
  EXPECT_EQ(run({}, out), 2);
  EXPECT_EQ(run({"a.d64", "b.d64"}, out), 2);
  EXPECT_EQ(run({"--all"}, out), 2);
}

}  // namespace
