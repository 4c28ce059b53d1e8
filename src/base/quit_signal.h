#pragma once
// SIGINT, SIGTERM and SIGHUP ask the program to stop: the viewer ends as when its window is
// closed, the command line stops before its next file and exits with 128 + the signal's number.

// Installs the handlers that record the signal.
void install_quit_signal_handlers();
// Whether one of the signals has arrived since the handlers were installed.
bool quit_signal_received();
// The exit status of a command stopped by the signal that arrived: 130 for SIGINT, 143 for
// SIGTERM, 129 for SIGHUP.
int quit_signal_exit_status();
