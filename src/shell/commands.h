#pragma once
// The command-line subcommands that run headless. Each takes the arguments after its
// name and returns the exit status: 0 done, 1 the input could not be read or shown, 2 bad usage.
#include <span>
#include <string_view>

int run_render_command(std::span<const std::string_view> args);
int run_info_command(std::span<const std::string_view> args);
int run_list_command(std::span<const std::string_view> args);
