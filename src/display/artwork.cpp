#include "display/artwork.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/regular_file.h"
#include "output/png_calls.h"

namespace {

// The artwork pictures are small; a file beyond this is no artwork of ours.
constexpr size_t largest_artwork_file = 4 * 1024 * 1024;

std::optional<artwork_picture> read_png(const std::filesystem::path& file) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size >= largest_artwork_file) return std::nullopt;
  // One byte more than the file holds: a file that grew meanwhile is not read in part.
  std::vector<uint8_t> bytes(size + 1);
  const result<size_t> read = read_file_start(file, bytes);
  if (!read || *read == bytes.size()) return std::nullopt;
  const png_calls* png = libpng();
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png || !png->begin_read_from_memory(&image, bytes.data(), *read)) return std::nullopt;
  image.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: 0xAARRGGBB read as little-endian words
  artwork_picture picture;
  picture.name = file.stem().string();
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.resize(static_cast<size_t>(image.width) * image.height);
  if (!png->finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    png->free(&image);
    return std::nullopt;
  }
  return picture;
}

failure cannot_open(const std::string& path) {
  return {"Cannot open file " + path};
}

}  // namespace

result<> load_artwork(artwork_list& list, const std::string& path) {
  list.pictures.clear();
  std::error_code ec;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".png" && it->is_regular_file(ec)) files.push_back(it->path());
  if (ec || !std::filesystem::is_directory(path, ec)) return cannot_open(path);
  std::sort(files.begin(), files.end());
  result<> loaded;
  for (const auto& file : files) {
    if (auto picture = read_png(file))
      list.pictures.push_back(std::move(*picture));
    else if (loaded)
      loaded = cannot_open(file.string());
  }
  return loaded;
}

result<> draw_artwork(const artwork_list& list, std::string_view name, surface& s, int x, int y) {
  const auto it = std::find_if(list.pictures.begin(), list.pictures.end(),
                               [&](const artwork_picture& p) { return p.name == name; });
  if (it == list.pictures.end()) return failure{"Image '" + std::string(name) + "' not found"};
  const int x1 = std::max(x, 0), y1 = std::max(y, 0);
  const int x2 = std::min(x + it->width, s.width), y2 = std::min(y + it->height, s.height);
  for (int ty = y1; ty < y2; ++ty) {
    const uint32_t* from = it->pixels.data() + static_cast<size_t>(ty - y) * it->width;
    uint32_t* to = s.pixels.data() + static_cast<size_t>(ty) * s.width;
    for (int tx = x1; tx < x2; ++tx) {
      const uint32_t argb = from[tx - x];
      if (argb >> 24) to[tx] = argb & 0xFFFFFF;
    }
  }
  return {};
}
