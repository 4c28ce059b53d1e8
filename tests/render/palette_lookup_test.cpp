#include "render/palette_lookup.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

class PaletteLookup : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "start");
    fs::create_directories(root / "data/palettes");
  }

  std::string file(const fs::path& relative, const std::string& text = "$0=102030") {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative) << text;
    return (root / relative).string();
  }
  std::string at(const fs::path& relative) const { return root.at(relative); }

  temp_folder root;
};

TEST_F(PaletteLookup, StartFolderFileComesBeforeTheUsersOwn) {
  const std::string start = file("start/Velora2003.cfg");
  file("xdg/velora2003/Velora2003.cfg");
  const palette_environment env{at("xdg"), at("home")};
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), env), start);
}

TEST_F(PaletteLookup, XdgConfigHomeWhenTheStartFolderHasNone) {
  const std::string xdg = file("xdg/velora2003/Velora2003.cfg");
  file("home/.config/velora2003/Velora2003.cfg");
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {at("xdg"), at("home")}), xdg);
}

TEST_F(PaletteLookup, HomeConfigWhenXdgConfigHomeIsUnsetOrRelative) {
  const std::string home = file("home/.config/velora2003/Velora2003.cfg");
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {"", at("home")}), home);
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {"relative/xdg", at("home")}), home);
}

TEST_F(PaletteLookup, XdgConfigHomeIsNotFollowedByHomeWhenItHasNoFile) {
  file("home/.config/velora2003/Velora2003.cfg");
  fs::create_directories(root / "xdg");
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {at("xdg"), at("home")}), std::nullopt);
}

TEST_F(PaletteLookup, NothingFoundLeavesTheBuiltInColours) {
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {at("xdg"), at("home")}), std::nullopt);
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {"", ""}), std::nullopt);
  EXPECT_EQ(user_palette_path({"", ""}), std::nullopt);
}

TEST_F(PaletteLookup, AFolderNamedLikeTheFileIsPassedOver) {
  fs::create_directories(root / "start/Velora2003.cfg");
  const std::string xdg = file("xdg/velora2003/Velora2003.cfg");
  EXPECT_EQ(palette_file_to_load(std::nullopt, at("start"), {at("xdg"), ""}), xdg);
}

TEST_F(PaletteLookup, ChosenFileOverridesBoth) {
  file("start/Velora2003.cfg");
  file("xdg/velora2003/Velora2003.cfg");
  EXPECT_EQ(palette_file_to_load(std::string("/chosen.cfg"), at("start"), {at("xdg"), ""}),
            "/chosen.cfg");
}

TEST_F(PaletteLookup, ArgumentIsAFileFirstThenAPreset) {
  const std::string preset = file("data/palettes/warm.cfg");
  const std::string own = file("own.cfg");
  EXPECT_EQ(*resolve_palette_argument(own, at("data")), own);
  EXPECT_EQ(*resolve_palette_argument("warm", at("data")), preset);
}

TEST_F(PaletteLookup, ArgumentNamingNothingIsAnErrorListingThePresets) {
  file("data/palettes/warm.cfg");
  file("data/palettes/cold.cfg");
  file("data/palettes/readme.txt");
  for (const std::string value : {"hot", "../palettes/warm", "warm.cfg", ".", ""}) {
    const result<std::string> choice = resolve_palette_argument(value, at("data"));
    ASSERT_FALSE(choice) << value;
    EXPECT_NE(choice.error().find("'" + value + "'"), std::string::npos) << choice.error();
    EXPECT_NE(choice.error().find("(presets: cold warm)"), std::string::npos) << choice.error();
  }
  EXPECT_EQ(palette_preset_names(at("data")), (std::vector<std::string>{"cold", "warm"}));
  EXPECT_TRUE(palette_preset_names(at("no-data")).empty());
}

TEST_F(PaletteLookup, ProcessEnvironmentIsRead) {
  ASSERT_EQ(setenv("XDG_CONFIG_HOME", "/x/config", 1), 0);
  ASSERT_EQ(setenv("HOME", "/x/home", 1), 0);
  const palette_environment env = palette_environment_from_process();
  EXPECT_EQ(env.xdg_config_home, "/x/config");
  EXPECT_EQ(env.home, "/x/home");
  EXPECT_EQ(user_palette_path(env), "/x/config/velora2003/Velora2003.cfg");
  ASSERT_EQ(unsetenv("XDG_CONFIG_HOME"), 0);
  EXPECT_EQ(user_palette_path(palette_environment_from_process()),
            "/x/home/.config/velora2003/Velora2003.cfg");
}

}  // namespace
