// Writes the browser's directory font, our own 8x8 character set, as a BDF file; or, with
// --character-rom, our own character ROM for text screens, 4096 bytes.
#include <cstdio>
#include <string>
#include <string_view>

#include "bdf_writer.h"
#include "character_rom.h"
#include "charset_glyphs.h"

namespace {

// Into a temporary file beside the target, renamed over it only when complete.
bool write_file(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const bool closed = std::fclose(f) == 0;
  if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool rom = argc == 3 && std::string_view(argv[1]) == "--character-rom";
  if (argc != 2 && !rom) {
    std::fprintf(stderr, "usage: make-font OUTPUT.bdf\n       make-font --character-rom OUTPUT\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  std::string contents;
  if (rom) {
    const character_rom_bytes bytes = make_character_rom();
    contents.assign(bytes.begin(), bytes.end());
  } else {
    contents = bdf_text(make_directory_charset());
  }
  if (!write_file(path, contents)) {
    std::fprintf(stderr, "make-font: cannot write %s\n", path);
    return 1;
  }
  return 0;
}
