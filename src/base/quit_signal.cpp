#include "base/quit_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t quit_signal = 0;

void note_quit_signal(int) {
  quit_signal = 1;
}

}  // namespace

void install_quit_signal_handlers() {
  struct sigaction action = {};
  action.sa_handler = note_quit_signal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool quit_signal_received() {
  return quit_signal != 0;
}
