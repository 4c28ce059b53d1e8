#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/temp_folder.h"

namespace {

command_line parse(std::vector<std::string_view> args) {
  return parse_command_line(args);
}

TEST(CommandLine, NoArgumentsViewsTheCurrentDirectoryFullScreen) {
  const command_line cl = parse({});
  EXPECT_EQ(cl.action, program_action::view);
  EXPECT_TRUE(cl.error.empty());
  EXPECT_FALSE(cl.windowed);
  EXPECT_EQ(cl.scale, 1);
  EXPECT_FALSE(cl.integer_scale);
  EXPECT_TRUE(cl.start_dir.empty());
  EXPECT_TRUE(cl.data_dir.empty());
}

TEST(CommandLine, ViewerOptionsAndStartDirectory) {
  const temp_folder folder;
  const std::string dir = folder.path().string();
  const command_line cl =
      parse({"--windowed", "--scale", "3", "--integer-scale", "--data-dir=/d", dir});
  EXPECT_TRUE(cl.error.empty()) << cl.error;
  EXPECT_TRUE(cl.windowed);
  EXPECT_EQ(cl.scale, 3);
  EXPECT_TRUE(cl.integer_scale);
  EXPECT_EQ(cl.data_dir, "/d");
  EXPECT_EQ(cl.start_dir, dir);
  EXPECT_EQ(parse({"--scale=2"}).scale, 2);
  EXPECT_EQ(parse({"--data-dir", "x"}).data_dir, "x");
}

// A --chargen file is made absolute before the change to the start folder; it is read later.
TEST(CommandLine, ChargenFileIsTakenAsAnAbsolutePath) {
  const command_line cl = parse({"--chargen", "roms/chargen"});
  EXPECT_TRUE(cl.error.empty()) << cl.error;
  EXPECT_TRUE(cl.chargen_file.starts_with('/'));
  EXPECT_TRUE(cl.chargen_file.ends_with("/roms/chargen"));
  EXPECT_EQ(parse({"--chargen=/r/c"}).chargen_file, "/r/c");
  EXPECT_FALSE(parse({"--chargen"}).error.empty());
  EXPECT_FALSE(parse({"--chargen="}).error.empty());
  EXPECT_NE(usage_text().find("--chargen FILE"), std::string::npos);
}

TEST(CommandLine, SubcommandsTakeTheArgumentsAfterTheirName) {
  const command_line cl = parse({"render", "in.vic", "-o", "out.png", "--bogus"});
  EXPECT_EQ(cl.action, program_action::render);
  EXPECT_TRUE(cl.error.empty());
  EXPECT_EQ(cl.command_args, (std::vector<std::string_view>{"in.vic", "-o", "out.png", "--bogus"}));
  EXPECT_EQ(parse({"info"}).action, program_action::info);
  EXPECT_EQ(parse({"list", "a.d64"}).action, program_action::list);
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_EQ(parse({"--help"}).action, program_action::help);
  EXPECT_EQ(parse({"--windowed", "--version"}).action, program_action::version);
  EXPECT_NE(usage_text().find("--integer-scale"), std::string::npos);
  EXPECT_EQ(version_text().rfind("velora2003 ", 0), 0u);
}

TEST(CommandLine, BadUsageIsOneLineNamingTheProblem) {
  const std::vector<std::vector<std::string_view>> bad = {
      {"--bogus"},      {"-x"},
      {"--scale"},      {"--scale", "0"},
      {"--scale", "9"}, {"--scale", "2x"},
      {"--scale=-1"},   {"--data-dir"},
      {"/no/such/dir"}, {"--palette", "/no/such.cfg"},
      {"a", "b"},
  };
  for (const auto& args : bad) {
    const command_line cl = parse(args);
    EXPECT_FALSE(cl.error.empty()) << args[0];
    EXPECT_EQ(cl.error.find('\n'), std::string::npos) << cl.error;
  }
  EXPECT_NE(parse({"--bogus"}).error.find("--bogus"), std::string::npos);
  EXPECT_NE(parse({"/no/such/dir"}).error.find("does not exist"), std::string::npos);
  EXPECT_NE(parse({"--palette", "/no/such.cfg"}).error.find("/no/such.cfg"), std::string::npos);
}

}  // namespace
