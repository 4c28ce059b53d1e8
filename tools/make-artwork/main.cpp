// Paints the frame artwork and the program icon as RGBA PNG files.
#include <cstdio>
#include <string>

#include "pictures.h"
#include "png_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-artwork GFX_DIR ICON.png\n");
    return 2;
  }
  const std::string dir = argv[1];
  struct named {
    const char* name;
    rgba_image (*make)();
  };
  const named pictures[] = {{"title_bar", make_title_bar},
                            {"left_bar", make_left_bar},
                            {"right_bar", make_right_bar},
                            {"bottom_bar", make_bottom_bar}};
  for (const named& picture : pictures) {
    const std::string path = dir + "/" + picture.name + ".png";
    if (!write_png(path, picture.make())) {
      std::fprintf(stderr, "make-artwork: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  if (!write_png(argv[2], make_icon())) {
    std::fprintf(stderr, "make-artwork: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
