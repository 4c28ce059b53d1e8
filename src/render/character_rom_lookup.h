#pragma once
// Which character ROM text screens are drawn with. The C64's own ROM is never shipped: a ROM
// the user names with --chargen, else one an emulator installed (chargen_paths), else our own
// drawing of the two sets in the data folder.
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "formats/raster.h"

// The file our own character sets are drawn into, in the data folder.
inline constexpr const char* own_character_rom_name = "velora-character-set.bin";

// Where emulators keep the C64's character ROM: the user's own folders first (from HOME and
// XDG_DATA_HOME), then the system's.
struct chargen_environment {
  std::string home;
  std::string xdg_data_home;
  std::vector<std::string> system_dirs = {"/usr/share/vice/C64", "/usr/local/share/vice/C64",
                                          "/usr/lib/vice/C64", "/usr/local/lib/vice/C64",
                                          "/usr/lib64/vice/C64"};
};

// HOME and XDG_DATA_HOME of this process, with the system's folders.
chargen_environment chargen_environment_from_process();

// Every file looked at for an emulator's ROM, in order: in each folder (the user's VICE data
// folder, ~/.vice/C64, then the system's) "chargen-901225-01.bin", then "chargen".
std::vector<std::string> chargen_paths(const chargen_environment& env);

// Reads a character ROM: a regular file of exactly 4096 bytes.
result<character_rom> read_character_rom(const std::string& path);

// The ROM to draw with: the file chosen (failing when it is no ROM), else the first emulator
// ROM found, else our own from data_dir; a blank ROM when even ours is missing.
result<character_rom> find_character_rom(const std::optional<std::string>& chosen,
                                         const std::string& data_dir,
                                         const chargen_environment& env);

// The ROM find_character_rom finds with none chosen, in this process's environment, looked for
// once per data folder: a command looks only when it draws its first text screen, which most
// never do.
const character_rom& found_character_rom(const std::string& data_dir);
