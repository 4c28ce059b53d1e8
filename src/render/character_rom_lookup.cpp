#include "render/character_rom_lookup.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <mutex>

#include "base/regular_file.h"

namespace {

std::string env_value(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

chargen_environment chargen_environment_from_process() {
  chargen_environment env;
  env.home = env_value("HOME");
  env.xdg_data_home = env_value("XDG_DATA_HOME");
  return env;
}

std::vector<std::string> chargen_paths(const chargen_environment& env) {
  std::vector<std::string> folders;
  // XDG_DATA_HOME counts only when absolute; else ~/.local/share stands in for it.
  if (env.xdg_data_home.starts_with('/'))
    folders.push_back(env.xdg_data_home + "/vice/C64");
  else if (!env.home.empty())
    folders.push_back(env.home + "/.local/share/vice/C64");
  if (!env.home.empty()) folders.push_back(env.home + "/.vice/C64");
  folders.insert(folders.end(), env.system_dirs.begin(), env.system_dirs.end());
  std::vector<std::string> paths;
  for (const std::string& folder : folders) {
    paths.push_back(folder + "/chargen-901225-01.bin");
    paths.push_back(folder + "/chargen");
  }
  return paths;
}

result<character_rom> read_character_rom(const std::string& path) {
  const result<file_descriptor> fd = open_regular_file(path);
  if (!fd) return failure{path + ": " + fd.error()};
  character_rom rom;
  // One byte more than a ROM holds tells a longer file.
  std::array<uint8_t, character_rom_size + 1> bytes{};
  const result<size_t> read = read_up_to(*fd, bytes);
  if (!read) return failure{path + ": " + read.error()};
  if (*read != character_rom_size)
    return failure{path + ": a character ROM is 4096 bytes, not " + std::to_string(*read)};
  std::copy_n(bytes.begin(), character_rom_size, rom.bytes.begin());
  return rom;
}

result<character_rom> find_character_rom(const std::optional<std::string>& chosen,
                                         const std::string& data_dir,
                                         const chargen_environment& env) {
  if (chosen) return read_character_rom(*chosen);
  for (const std::string& path : chargen_paths(env))
    if (result<character_rom> rom = read_character_rom(path)) return rom;
  result<character_rom> own = read_character_rom(data_dir + "/" + own_character_rom_name);
  character_rom rom = own ? *own : character_rom{};
  rom.own_glyphs = true;
  return rom;
}

const character_rom& found_character_rom(const std::string& data_dir) {
  static std::mutex guard;
  static std::map<std::string, character_rom> found;
  const chargen_environment env = chargen_environment_from_process();
  const std::string key = data_dir + '\n' + env.home + '\n' + env.xdg_data_home;
  const std::lock_guard<std::mutex> hold(guard);
  auto it = found.find(key);
  if (it == found.end())
    it = found.emplace(key, *find_character_rom(std::nullopt, data_dir, env)).first;
  return it->second;
}
