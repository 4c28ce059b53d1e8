#include "browser_fixture.h"

#include "support/files.h"

void browser_test::SetUp() {
  drives.items = {{"/", "/ [ext4]"}, {"/home/ann", "/home/ann [home]"}};
  b.lister = &posix;
  b.drives = &drives;
  b.opened = containers.get();
}

void browser_test::write_file(const std::string& name, size_t size) const {
  write_file_bytes(temp / name, counting_bytes(size));
}

void browser_test::make_dir(const std::string& name) const {
  std::filesystem::create_directory(temp / name);
}

std::vector<std::string> browser_test::row_texts() const {
  std::vector<std::string> rows;
  for (int row = 0; row < b.grid.row_count; ++row) {
    const auto& cells = tdir_row(b.grid, row).cells;
    rows.push_back(cells[0] + "|" + cells[1] + "|" + cells[2] + "|" + cells[3]);
  }
  return rows;
}

void browser_test::open_row(const std::string& text) {
  for (int row = 1; row < b.grid.row_count; ++row) {
    if (tdir_cell(b.grid, 0, row) == text) {
      tdir_select_row(b.grid, row);
      open_selected();
      return;
    }
  }
  ADD_FAILURE() << "no row " << text;
}

void browser_test::open_selected() {
  opened = open_entry(b);
  if (opened.action == open_action::entered_disk_image) disk_image_name = opened.text;
}
