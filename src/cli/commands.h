#pragma once
// The command-line subcommands that run headless. Each takes the arguments after its name and
// returns the exit status: 0 done, 1 the input could not be read or shown, 2 bad usage.
#include <ostream>
#include <span>
#include <string>
#include <string_view>

// Where a subcommand writes: its output, its messages, and whether the messages go to a
// terminal (which then shows progress).
struct console {
  std::ostream& out;
  std::ostream& err;
  bool err_is_terminal = false;
};

// data_dir holds the palette presets that --palette may name.
int run_render_command(std::span<const std::string_view> args, const std::string& data_dir,
                       console& io);
int run_info_command(std::span<const std::string_view> args, console& io);
int run_list_command(std::span<const std::string_view> args, console& io);
// The format table, one line per format: id, name, sizes, load addresses, extensions, whether
// packed, frames; tab-separated.
int run_formats_command(std::span<const std::string_view> args, console& io);
// A small PNG of the picture alone, as file managers show it; data_dir holds our own character
// set for text screens.
int run_thumbnail_command(std::span<const std::string_view> args, const std::string& data_dir,
                          console& io);
