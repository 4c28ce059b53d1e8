#pragma once
// SIGINT and SIGTERM end the program the way closing the window does.

// Installs the handlers that record the signal for the frame loop.
void install_quit_signal_handlers();
// Whether SIGINT or SIGTERM has arrived since the handlers were installed.
bool quit_signal_received();
