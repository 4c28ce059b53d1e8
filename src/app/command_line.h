#pragma once
// The program's command line: the viewer's options, or a headless subcommand.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/start_target.h"

enum class program_action { view, help, version, render, thumbnail, info, list, formats };

struct command_line {
  program_action action = program_action::view;
  bool windowed = false;
  int scale = 1;
  bool integer_scale = false;
  std::string data_dir;      // empty: the data folder is looked up
  std::string start_dir;     // the folder to change to (START's own, or its file's); empty: stay
  start_target start;        // what START names; a folder unless a file was given
  std::string palette_file;  // --palette resolved to a file; empty: look up
  std::string chargen_file;  // --chargen as an absolute path; empty: look up
  std::vector<std::string_view> command_args;  // the arguments after a subcommand's name
  std::string error;                           // bad usage, one line without the program name
};

constexpr int max_window_scale = 8;

// Parses the arguments after the program name; a START that does not exist, or a --palette
// that names neither a file nor a preset in the data folder, is an error.
command_line parse_command_line(std::span<const std::string_view> args);

// The --help text and the --version line.
std::string usage_text();
std::string version_text();
