#include <cstdio>

#include "shell/commands.h"

int run_render_command(std::span<const std::string_view>) {
  std::fputs("velora2003: the render command is not available in this build\n", stderr);
  return 1;
}
