#include "display/session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

bool session_bus_known(const char* address, const char* runtime_dir) {
  if (address && *address) return true;
  if (!runtime_dir || !*runtime_dir) return false;
  const std::string socket = std::string(runtime_dir) + "/bus";
  struct stat st {};
  return ::stat(socket.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::getuid();
}

void keep_sdl_off_absent_session_bus() {
  if (session_bus_known(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR")))
    return;
  // No transport of this name exists: libdbus refuses the address without trying anything.
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}
