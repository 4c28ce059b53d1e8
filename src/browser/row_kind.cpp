#include "browser/row_kind.h"

#include <array>
#include <utility>

#include "containers/container_name.h"
#include "containers/d64/d64_file_type.h"
#include "listing/container_rows.h"

namespace {

constexpr std::array<std::pair<row_kind, std::string_view>, 7> markers = {{
    {row_kind::directory, "<DIR>"},
    {row_kind::disk_image, "<D64>"},
    {row_kind::disk_image, "<D71>"},
    {row_kind::disk_image, "<D81>"},
    {row_kind::picture_file, "<File>"},
    {row_kind::drive, "<Drive>"},
    {row_kind::leave_image, "<WIN>"},
}};

}  // namespace

std::string_view row_marker(row_kind kind) {
  for (const auto& [k, text] : markers)
    if (k == kind) return text;
  return {};
}

std::string_view disk_image_marker(std::string_view kind_name) {
  for (const auto& [kind, text] : markers)
    if (kind == row_kind::disk_image && text.substr(1, text.size() - 2) == kind_name) return text;
  return row_marker(row_kind::disk_image);
}

row_kind kind_of_row(const tdir& grid, int row) {
  if (!tdir_has_row(grid, row)) return row_kind::none;
  const std::string_view text = tdir_cell(grid, 1, row);
  for (const auto& [kind, marker] : markers)
    if (text == marker) return kind;
  if (text == pc64_marker) return row_kind::pc64_file;
  if (text.size() > 2 && text.starts_with('<') && text.ends_with('>') &&
      is_container_type_name(text.substr(1, text.size() - 2)))
    return row_kind::container;
  const std::string_view program = file_type_marker(d64_file_type::prg);
  if (text == program) return row_kind::image_program;
  if ((text.size() == program.size() + 1 && text.starts_with(program) &&
       text.back() == broken_chain_mark) ||
      text == file_type_marker(d64_file_type::cbm))
    return row_kind::image_unreadable;
  // Host markers are in angle brackets; every other text is a disk image entry's file type.
  return text.empty() || text.starts_with('<') ? row_kind::none : row_kind::image_other;
}
