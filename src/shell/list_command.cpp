#include <cstdio>

#include "shell/commands.h"

int run_list_command(std::span<const std::string_view>) {
  std::fputs("velora2003: the list command is not available in this build\n", stderr);
  return 1;
}
