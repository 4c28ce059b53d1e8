#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace {

class ListCommand : public CliTest {
 protected:
  std::string write_image(const std::vector<d64_file>& files) {
    write_file_bytes(dir / "disk.d64", d64_image_of(files, "LIST"));
    return at("disk.d64");
  }
};

TEST_F(ListCommand, PrintsOneRowPerEntry) {
  const std::vector<uint8_t> picture(10018, 1), text(300, 2), odd(9009, 3);
  const std::string path = write_image({{"PICTURE", 0x82, picture},
                                        {"NOTES\xA0\x01", 0x81, text},
                                        {"\x05STUDIO\xFF", 0xC2, odd},
                                        {"GONE", 0x00, text},
                                        {"MYSTERY", 0x85, text}});
  ASSERT_EQ(run(run_list_command, {path}), 0);
  EXPECT_EQ(out,
            "0\tPICTURE         \tPRG\t10018\tAdvanced Art Studio 160x200\n"
            "1\tNOTES \\x01         \tSEQ\t\t\n"
            "2\t\\x05STUDIO\\xFF        \tPRG\t9009\tHires Art Studio 320x200\n"
            "3\tMYSTERY         \t???\t\t\n");
}

TEST_F(ListCommand, EmptyDirectoryPrintsNothing) {
  EXPECT_EQ(run(run_list_command, {write_image({})}), 0);
  EXPECT_EQ(out, "");
}

TEST_F(ListCommand, UnreadableImagesExitOne) {
  std::ofstream(dir / "short.d64") << "short";
  std::filesystem::create_directory(dir / "folder.d64");
  for (const auto& name : {"missing.d64", "short.d64", "folder.d64"}) {
    EXPECT_EQ(run(run_list_command, {at(name)}), 1) << name;
    EXPECT_EQ(out, "");
  }
}

TEST_F(ListCommand, BadUsageExitsTwo) {
  EXPECT_EQ(run(run_list_command, {}), 2);
  EXPECT_EQ(run(run_list_command, {"a.d64", "b.d64"}), 2);
  EXPECT_EQ(run(run_list_command, {"--all"}), 2);
}

}  // namespace
