#pragma once
// Whether the viewer has a D-Bus session bus to talk to (SDL asks it for the screen saver and
// input methods).

// A bus is known when the environment gives its address or the runtime folder holds its
// socket, as libdbus looks for it before it would start a bus of its own.
bool session_bus_known(const char* address, const char* runtime_dir);

// Without a known session bus, libdbus would start one through dbus-launch, which can keep the
// window from opening for seconds; such a session has no screen saver or input method on a bus
// either. So SDL is given an address it gives up on at once.
void keep_sdl_off_absent_session_bus();
