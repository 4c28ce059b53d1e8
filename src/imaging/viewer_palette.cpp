#include "imaging/viewer_palette.h"

#include <filesystem>
#include <optional>
#include <string>

#include "render/palette_lookup.h"

palette_colours viewer_palette_for(std::string_view name) {
  palette_colours palette = default_palette;
  const palette_environment env = palette_environment_from_process();
  std::optional<std::string> path;
  if (name.empty()) {
    path = user_palette_path(env);
  } else {
    const std::string folder = std::filesystem::path(name).parent_path().string();
    path = palette_file_to_load(std::nullopt, folder.empty() ? "." : folder, env);
  }
  if (path) (void)load_palette(*path, palette);
  return palette;
}
