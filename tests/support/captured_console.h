#pragma once
// A console for the subcommands whose output and messages a test reads back.
#include <sstream>
#include <string>

#include "cli/commands.h"

struct captured_console {
  std::ostringstream out_stream;
  std::ostringstream err_stream;
  console io{out_stream, err_stream};

  std::string out() const { return out_stream.str(); }
  std::string err() const { return err_stream.str(); }
};
