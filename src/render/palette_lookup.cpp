#include "render/palette_lookup.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "render/palette.h"

namespace {

namespace fs = std::filesystem;

// A file that can stand as a palette: a regular file (links followed).
bool is_palette_file(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::string env_value(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// A preset name is a plain file name: no folder part, nothing that climbs out of the folder.
bool is_preset_name(std::string_view value) {
  return !value.empty() && value != "." && value != ".." &&
         value.find('/') == std::string_view::npos;
}

}  // namespace

palette_environment palette_environment_from_process() {
  return {env_value("XDG_CONFIG_HOME"), env_value("HOME")};
}

std::string palette_preset_dir(const std::string& data_dir) {
  return data_dir + "/palettes";
}

std::vector<std::string> palette_preset_names(const std::string& data_dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(palette_preset_dir(data_dir), ec), end; !ec && it != end;
       it.increment(ec)) {
    const fs::path& path = it->path();
    if (path.extension() == ".cfg" && is_palette_file(path)) names.push_back(path.stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

result<std::string> resolve_palette_argument(std::string_view value, const std::string& data_dir) {
  const std::string text(value);
  if (is_palette_file(text)) return text;
  std::error_code ec;
  if (fs::exists(text, ec) && !fs::is_directory(text, ec))
    return failure{"--palette '" + text + "' is not a regular file"};
  if (is_preset_name(value)) {
    const std::string preset = palette_preset_dir(data_dir) + "/" + text + ".cfg";
    if (is_palette_file(preset)) return preset;
  }
  std::string error = "--palette '" + text + "' is neither a file nor a palette preset";
  const std::vector<std::string> names = palette_preset_names(data_dir);
  if (!names.empty()) {
    error += " (presets:";
    for (const std::string& name : names) error += " " + name;
    error += ")";
  }
  return failure{error};
}

std::optional<std::string> user_palette_path(const palette_environment& env) {
  // Relative values of XDG_CONFIG_HOME are invalid and ignored, as the base directory rules say.
  std::string config_home;
  if (!env.xdg_config_home.empty() && env.xdg_config_home.front() == '/')
    config_home = env.xdg_config_home;
  else if (!env.home.empty())
    config_home = env.home + "/.config";
  else
    return std::nullopt;
  return config_home + "/velora2003/" + std::string(palette_config_name);
}

std::optional<std::string> palette_file_to_load(const std::optional<std::string>& chosen,
                                                const std::string& start_dir,
                                                const palette_environment& env) {
  if (chosen) return chosen;
  const std::string in_start_dir = start_dir + "/" + std::string(palette_config_name);
  if (is_palette_file(in_start_dir)) return in_start_dir;
  std::optional<std::string> user = user_palette_path(env);
  if (user && is_palette_file(*user)) return user;
  return std::nullopt;
}
