#include "display/sdl_screen.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* module_file = "velora2003-sdl.so";

// Without a display named in the environment SDL tries each driver it has, and some of them
// fail noisily; SDL_VIDEODRIVER names one explicitly (a console or windowless driver).
bool display_named() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

// Beside the program in a build tree; where the installation put it relative to the program,
// so that a moved installation finds its own; then where it was installed.
std::vector<std::filesystem::path> module_places() {
  namespace fs = std::filesystem;
  std::vector<fs::path> places;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    places.push_back(exe.parent_path() / module_file);
    places.push_back(exe.parent_path() / VELORA_MODULE_DIR_FROM_BIN / module_file);
  }
  places.push_back(fs::path(VELORA_MODULE_DIR) / module_file);
  return places;
}

}  // namespace

result<std::unique_ptr<display>> open_sdl_screen(const sdl_display_options& options) {
  if (!display_named())
    return failure{"No display was found: neither DISPLAY nor WAYLAND_DISPLAY is set"};
  std::string why = std::string(module_file) + " is not installed";
  for (const std::filesystem::path& place : module_places()) {
    if (::access(place.c_str(), F_OK) != 0) continue;
    // Loaded for good: SDL keeps state of its own until the process ends.
    void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto entry = module ? reinterpret_cast<decltype(&velora2003_open_sdl_screen)>(
                                    ::dlsym(module, "velora2003_open_sdl_screen"))
                              : nullptr;
    if (entry) return std::unique_ptr<display>(entry(&options));
    const char* error = ::dlerror();
    why = error ? error : place.string() + " has no screen";
  }
  return failure{"The display module could not be loaded", why};
}
