#include <memory>
#include <string>

#include "base/escaped_text.h"
#include "base/quit_signal.h"
#include "cli/commands.h"
#include "cli/render_input.h"
#include "containers/container_path.h"
#include "containers/container_stack.h"
#include "listing/container_rows.h"

namespace {

constexpr const char* usage =
    "usage: velora2003 list CONTAINER (a disk image, tape, PC64 file or archive; CONTAINER:N\n"
    "                                 for a container that is entry N of another)\n";

// The container the argument names: the file itself, or a container inside it.
result<> open_listed(container_stack& opened, const std::string& path) {
  const std::optional<container_path> named = parse_container_path(path);
  if (!named) return opened.open(path);
  if (const result<> outer = open_container_path(opened, named->file, named->entries); !outer)
    return outer.why();
  return opened.enter(named->entries.back());
}

}  // namespace

int run_list_command(std::span<const std::string_view> args, console& io) {
  const bool options_ended = !args.empty() && args.front() == "--";
  if (options_ended) args = args.subspan(1);
  if (args.size() != 1 || (!options_ended && args[0].size() > 1 && args[0][0] == '-')) {
    io.err << "velora2003: list: "
           << (args.empty() ? "no CONTAINER" : "exactly one CONTAINER and no options") << '\n'
           << usage;
    return 2;
  }
  const std::string path(args[0]);
  const auto opened = std::make_unique<container_stack>();
  if (const result<> open = open_listed(*opened, path); !open) {
    io.err << "velora2003: list: " << escaped_text(path) << ": " << describe(open.why()) << '\n';
    return 1;
  }
  container_listing listing;
  list_all_entries(*opened, listing);
  for (const entry_row& row : listing.rows) {
    io.out << row.entry << '\t' << escaped_text(row.name) << '\t' << row.type << '\t' << row.size
           << '\t' << row.format << '\n';
  }
  for (const std::string& problem : listing.problems)
    io.err << "velora2003: list: " << escaped_text(path) << ": " << problem << '\n';
  if (quit_signal_received()) return quit_signal_exit_status();
  return listing.problems.empty() ? 0 : 1;
}
