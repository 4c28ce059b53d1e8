#pragma once
// The render command's arguments.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "cli/render_job.h"

struct render_options {
  std::vector<std::string> inputs;
  std::string output;
  image_kind kind = image_kind::bmp;
  bool batch = false;      // several inputs, or OUTPUT names a folder
  bool overwrite = false;  // a batch may replace files already in its folder
  unsigned jobs = 0;       // -j: the batch's workers; 0: one per CPU the process may use
  render_settings settings;
  std::optional<std::string> palette_value;  // --palette as given
  std::optional<std::string> chargen_file;   // --chargen as given
};

// The options of "render ARGS"; fails with why they are not usable. "--" ends the options.
result<render_options> parse_render_options(std::span<const std::string_view> args);
