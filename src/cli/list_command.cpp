#include <memory>
#include <string>

#include "base/quit_signal.h"
#include "cli/commands.h"
#include "cli/escaped_text.h"
#include "containers/d64/d64_read.h"
#include "listing/d64_rows.h"

namespace {

constexpr const char* usage = "usage: velora2003 list IMAGE (a .d64, .d71 or .d81 disk image)\n";

}  // namespace

int run_list_command(std::span<const std::string_view> args, console& io) {
  const bool options_ended = !args.empty() && args.front() == "--";
  if (options_ended) args = args.subspan(1);
  if (args.size() != 1 || (!options_ended && args[0].size() > 1 && args[0][0] == '-')) {
    io.err << "velora2003: list: "
           << (args.empty() ? "no IMAGE" : "exactly one IMAGE and no options") << '\n'
           << usage;
    return 2;
  }
  const std::string path(args[0]);
  const auto reader = std::make_unique<d64_reader>();
  if (const result<> read = read_directory(*reader, path); !read) {
    io.err << "velora2003: list: " << escaped_text(path) << ": " << read.error() << '\n';
    return 1;
  }
  compute_prg_sizes(*reader);
  for (int k = 0; k < reader->dir_entry_count; ++k) {
    const d64_row_texts row = make_d64_row_texts(*reader, reader->dir_entries[k]);
    io.out << k << '\t' << escaped_text(row.name) << '\t' << row.type << '\t' << row.size << '\t'
           << row.format << '\n';
  }
  return quit_signal_received() ? quit_signal_exit_status() : 0;
}
