// The desktop's file types for pictures, which the build writes from the format table, against
// the table: every extension the browser lists as a picture is ours there, unless the desktop's
// own database already gives it to another type.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "base/ascii_case.h"
#include "formats/format_table.h"
#include "formats/identify.h"

namespace {

const std::filesystem::path our_types =
    std::filesystem::path(VELORA_DATA_DIR) / "velora2003-mime.xml";
const std::filesystem::path desktop_types = "/usr/share/mime/packages/freedesktop.org.xml";

std::string read_text(const std::filesystem::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The extensions of the "*.ext" globs in xml, lower case.
std::set<std::string> glob_extensions(std::string_view xml) {
  constexpr std::string_view start = "<glob pattern=\"*.";
  std::set<std::string> extensions;
  for (size_t at = xml.find(start); at != std::string_view::npos; at = xml.find(start, at)) {
    at += start.size();
    extensions.insert(ascii_lower(xml.substr(at, xml.find('"', at) - at)));
  }
  return extensions;
}

// The globs of our picture type alone.
std::set<std::string> picture_extensions() {
  const std::string xml = read_text(our_types);
  const size_t begin = xml.find("<mime-type type=\"image/x-c64-picture\">");
  if (begin == std::string::npos) return {};
  return glob_extensions(
      std::string_view(xml).substr(begin, xml.find("</mime-type>", begin) - begin));
}

std::set<std::string> table_extensions() {
  std::set<std::string> extensions = {"vic"};
  for (const format_entry& format : format_table)
    for (std::string_view extension : format.recognised.extensions)
      if (!extension.empty()) extensions.emplace(extension);
  return extensions;
}

TEST(MimeTypes, EveryPictureGlobIsAnExtensionTheBrowserListsAsAPicture) {
  const std::set<std::string> ours = picture_extensions();
  ASSERT_FALSE(ours.empty()) << our_types;
  for (const std::string& extension : ours)
    EXPECT_EQ(picture_name_kind("x." + extension), picture_name::always) << "*." << extension;
}

// Left out of ours, as a second claim would make the desktop guess between two types.
const std::map<std::string, std::string> taken_by_the_desktop = {
    {"a", "application/x-archive"},        // static libraries
    {"cs", "text/x-csharp"},               // C# sources
    {"fli", "video/x-flic"},               // Autodesk animations
    {"gb", "application/x-gameboy-rom"},   // Game Boy cartridges
    {"gg", "application/x-gamegear-rom"},  // Game Gear cartridges
    {"gih", "image/x-gimp-gih"},           // GIMP brush pipes
    {"mup", "text/x-mup"},                 // Mup music scores
    {"rp", "image/vnd.rn-realpix"},        // RealPix presentations
    {"rpm", "application/x-rpm"},          // RPM packages
    {"spd", "application/x-font-speedo"},  // Speedo fonts
};

// Left out of ours too: extensions that many other files carry.
const std::set<std::string> too_common = {"g"};

TEST(MimeTypes, EveryExtensionOfTheTableIsOursButThoseTheDesktopGivesAnotherType) {
  const std::set<std::string> ours = picture_extensions();
  for (const std::string& extension : table_extensions())
    EXPECT_NE(ours.contains(extension),
              taken_by_the_desktop.contains(extension) || too_common.contains(extension))
        << "*." << extension;
  if (!std::filesystem::exists(desktop_types)) GTEST_SKIP() << desktop_types << " is absent";
  const std::string theirs = read_text(desktop_types);
  for (const std::string& extension : ours)
    EXPECT_EQ(theirs.find("<glob pattern=\"*." + extension + "\""), std::string::npos)
        << "*." << extension << " is the desktop's already";
  for (const auto& [extension, type] : taken_by_the_desktop) {
    const size_t glob = theirs.find("<glob pattern=\"*." + extension + "\"/>");
    ASSERT_NE(glob, std::string::npos) << "*." << extension;
    const size_t owner = theirs.rfind("<mime-type type=\"", glob);
    EXPECT_EQ(theirs.substr(owner, theirs.find('"', owner + 17) - owner + 1),
              "<mime-type type=\"" + type + "\"")
        << "*." << extension;
  }
}

}  // namespace
