#pragma once
// Which palette file a run reads: a --palette value (a file or a shipped preset's name), else
// "Velora2003.cfg" in the start directory, else the user's own in the XDG configuration folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

// The environment values the lookup depends on; empty when unset.
struct palette_environment {
  std::string xdg_config_home;
  std::string home;
};

// XDG_CONFIG_HOME and HOME of this process.
palette_environment palette_environment_from_process();

// The folder of the shipped presets inside the data folder.
std::string palette_preset_dir(const std::string& data_dir);

// The names of the shipped presets (file names without ".cfg"), sorted.
std::vector<std::string> palette_preset_names(const std::string& data_dir);

// The file a --palette value names: an existing file (taken first), else a shipped preset;
// fails with a line that lists the presets.
result<std::string> resolve_palette_argument(std::string_view value, const std::string& data_dir);

// The user's own palette file in the XDG configuration folder, whether or not it exists;
// nullopt when neither XDG_CONFIG_HOME (absolute) nor HOME is set.
std::optional<std::string> user_palette_path(const palette_environment& env);

// The file a run reads its palette from: the resolved --palette file when given, else
// "Velora2003.cfg" in start_dir when there is one, else the user's own when there is one;
// nullopt leaves the built-in colours.
std::optional<std::string> palette_file_to_load(const std::optional<std::string>& chosen,
                                                const std::string& start_dir,
                                                const palette_environment& env);
