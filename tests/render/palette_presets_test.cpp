// The palette presets shipped in data/palettes, read as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "render/palette.h"

namespace {

const std::string preset_dir = std::string(PROJECT_SOURCE_DIR) + "/data/palettes";

palette_colours load(const std::string& name) {
  palette_colours colours{};
  EXPECT_EQ(load_palette(preset_dir + "/" + name + ".cfg", colours), palette_load_status::applied)
      << name;
  return colours;
}

TEST(PalettePresets, DefaultPresetIsTheBuiltInTable) {
  EXPECT_EQ(load("default"), default_palette);
}

TEST(PalettePresets, MeasuredPresetsHoldTheirPublishedValues) {
  // Colour 2 (red) and 14 (light blue) of each, stored as 0x00BBGGRR.
  EXPECT_EQ(load("pepto")[2], 0x2B3768u);
  EXPECT_EQ(load("pepto")[14], 0xB55E6Cu);
  EXPECT_EQ(load("colodore")[2], 0x383381u);
  EXPECT_EQ(load("colodore")[14], 0xEB6D70u);
  EXPECT_EQ(load("vice")[2], 0x364089u);
  EXPECT_EQ(load("vice")[14], 0xDA707Cu);
}

TEST(PalettePresets, EveryPresetSetsAll16ColoursAndNoTwoAreAlike) {
  std::map<std::string, palette_colours> presets;
  for (const auto& entry : std::filesystem::directory_iterator(preset_dir)) {
    ASSERT_EQ(entry.path().extension(), ".cfg") << entry.path();
    const std::string name = entry.path().stem().string();
    std::ifstream in(entry.path());
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A "$" anywhere, remarks included, starts an entry: exactly one per colour.
    EXPECT_EQ(std::count(text.begin(), text.end(), '$'), 16) << name;
    const palette_colours colours = load(name);
    EXPECT_EQ(colours[0], 0x000000u) << name;
    EXPECT_EQ(std::count(colours.begin(), colours.end(), colours[1]), 1) << name;
    for (const auto& [other, other_colours] : presets)
      EXPECT_NE(colours, other_colours) << name << " and " << other;
    presets[name] = colours;
  }
  EXPECT_GE(presets.size(), 4u);
  EXPECT_TRUE(presets.count("default") && presets.count("pepto") && presets.count("colodore") &&
              presets.count("vice"));
}

}  // namespace
