#include <algorithm>

#include "base/ascii_case.h"
#include "browser/browser.h"
#include "browser/row_kind.h"
#include "containers/container_stack.h"

namespace {

// An archive's rows come in the host listing's groups: folders, containers, then files.
int group_of(row_role role) {
  if (role == row_role::folder) return 0;
  if (role == row_role::container) return 1;
  return 2;
}

bool sorts_before(const entry_row& a, const entry_row& b) {
  const int group_a = group_of(a.role), group_b = group_of(b.role);
  if (group_a != group_b) return group_a < group_b;
  return compare_names(a.name, b.name) < 0;
}

// The rows' names as a host listing shows them: the first letter upper-cased.
std::string shown_name(const entry_row& row) {
  if (row.role == row_role::c64_file) return row.name;
  std::string name = row.name;
  if (!name.empty()) name[0] = ascii_upper_char(name[0]);
  return name;
}

void write_row(grid_row& out, const entry_row& row) {
  out.cells = {shown_name(row), row.type, row.size, std::string(row.format)};
  out.host_name = row.role == row_role::folder ? row.name : std::string();
  out.format_id = row.format_id;
  out.entry = row.entry;
  out.c64_name = row.c64_name;
}

// The problems as one line of a message box: the first, and how many more there are.
std::string problems_text(const std::vector<std::string>& problems) {
  if (problems.empty()) return {};
  if (problems.size() == 1) return problems.front();
  return problems.front() + " (and " + std::to_string(problems.size() - 1) + " more)";
}

}  // namespace

bool in_container(const browser& b) {
  return b.opened != nullptr && b.opened->depth() > 0;
}

std::string list_opened_container(browser& b) {
  container_listing& listing = b.listing;
  list_folder(*b.opened, b.folder, listing);
  const bool archive = b.opened->innermost().type.kind == container_kind::archive;
  if (archive) std::stable_sort(listing.rows.begin(), listing.rows.end(), sorts_before);
  name_list_clear(b.names);

  tdir& grid = b.grid;
  tdir_row(grid, 0).cells = {"File name", "Type", "Size", "GFX format"};
  tdir_set_row_count(grid, static_cast<int>(listing.rows.size()) + 2);
  grid_row& back = tdir_row(grid, 1);
  back.cells = {"..", std::string(row_marker(row_kind::leave_image)), "", ""};
  back.host_name = "..";
  tdir_select_row(grid, 1);
  for (size_t k = 0; k < listing.rows.size(); ++k)
    write_row(tdir_row(grid, row_of_record(static_cast<int>(k))), listing.rows[k]);
  return problems_text(listing.problems);
}
