#include <cstdio>

#include "shell/commands.h"

int run_info_command(std::span<const std::string_view>) {
  std::fputs("velora2003: the info command is not available in this build\n", stderr);
  return 1;
}
