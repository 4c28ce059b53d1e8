#include "surface_probe.h"

#include <cstdio>
#include <filesystem>

#include "display/canvas.h"

surface marked_screen() {
  surface s = create_surface(screen_width, screen_height);
  fill_surface(s, marker);
  return s;
}

int count_pixels(const surface& s, int x1, int y1, int x2, int y2, uint32_t value) {
  int n = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) n += s.at(x, y) == value;
  return n;
}

void save_for_inspection(const surface& s, const std::string& name) {
  std::filesystem::create_directories(GUI_TEST_OUTPUT_DIR);
  const std::string path = std::string(GUI_TEST_OUTPUT_DIR) + "/" + name + ".ppm";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%d %d\n255\n", s.width, s.height);
  for (uint32_t p : s.pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                  static_cast<unsigned char>(p >> 8),
                                  static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, f);
  }
  std::fclose(f);
}
