// Run by the build: writes the source of recorded_fonts() with the file fontconfig matches to
// each face the program draws in by name, so that a start need not ask fontconfig.
// record_fonts OUTPUT.cpp
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <string>

#include "text/fontconfig_lookup.h"

namespace {

struct named_face {
  const char* face;
  bool bold;
};

// The captions, the furniture and the list draw in these.
constexpr named_face named_faces[] = {{"Arial", false}, {"Arial", true}};

// A C++ string literal of the text, every byte outside printable ASCII escaped.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || c == '"' || c == '\\') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// The family and style names of the file's first face; empty when it is no font.
std::pair<std::string, std::string> names_in(FT_Library library, const std::string& file) {
  FT_Face face = nullptr;
  if (file.empty() || FT_New_Face(library, file.c_str(), 0, &face) != 0) return {};
  std::pair<std::string, std::string> names{face->family_name ? face->family_name : "",
                                            face->style_name ? face->style_name : ""};
  FT_Done_Face(face);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: record_fonts OUTPUT.cpp\n", stderr);
    return 2;
  }
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return 1;
  std::ofstream out(argv[1]);
  out << "// Written by the build (record_fonts.cpp): the files fontconfig matched to the\n"
         "// faces the program draws in by name.\n"
         "#include \"text/recorded_fonts.h\"\n\n"
         "#include <array>\n\n"
         "std::span<const recorded_font> recorded_fonts() {\n"
         "  static constexpr std::array<recorded_font, "
      << std::size(named_faces) << "> fonts{{\n";
  for (const named_face& named : named_faces) {
    const std::string file = fontconfig_file(named.face, named.bold);
    const auto [family, style] = names_in(library, file);
    // A face fontconfig cannot find is recorded without a file: it is asked at run time.
    out << "      {" << literal(named.face) << ", " << (named.bold ? "true" : "false") << ", "
        << literal(family.empty() ? "" : file) << ", " << literal(family) << ", " << literal(style)
        << "},\n";
  }
  out << "  }};\n  return fonts;\n}\n";
  FT_Done_FreeType(library);
  release_fontconfig();
  return out.good() ? 0 : 1;
}
