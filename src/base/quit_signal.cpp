#include "base/quit_signal.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t quit_signal = 0;

void note_quit_signal(int number) {
  quit_signal = number;
}

}  // namespace

void install_quit_signal_handlers() {
  struct sigaction action = {};
  action.sa_handler = note_quit_signal;
  sigemptyset(&action.sa_mask);
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
}

bool quit_signal_received() {
  return quit_signal != 0;
}

int quit_signal_exit_status() {
  return 128 + quit_signal;
}
