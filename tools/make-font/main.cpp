// Writes the browser's directory font, our own 8x8 character set, as a BDF file.
#include <cstdio>
#include <string>

#include "bdf_writer.h"
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
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-font OUTPUT.bdf\n");
    return 2;
  }
  if (!write_file(argv[1], bdf_text(make_directory_charset()))) {
    std::fprintf(stderr, "make-font: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
