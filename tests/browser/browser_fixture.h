#pragma once
// A browser over a fresh folder that is the current directory for the test, with a fixed drive
// list and hooks that record what they were asked.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "browser/browser.h"
#include "containers/container_stack.h"
#include "support/temp_folder.h"

class fixed_drive_provider final : public drive_provider {
 public:
  std::vector<drive_item> items;
  void list_drives(std::vector<drive_item>& drives) override { drives = items; }
};

// Hands out a fixed set of entries whatever the current directory is.
class fixed_lister final : public directory_lister {
 public:
  std::vector<host_entry> items;
  bool readable = true;
  bool list_current_directory(std::vector<host_entry>& entries) override {
    entries = items;
    return readable;
  }
};

class browser_test : public ::testing::Test {
 protected:
  void SetUp() override;

  // Writes a file of size bytes that tell their offsets apart.
  void write_file(const std::string& name, size_t size) const;
  void make_dir(const std::string& name) const;
  // Rows 0..row_count - 1 as "col0|col1|col2|col3".
  std::vector<std::string> row_texts() const;
  // Selects the first row whose column-0 text is text and opens it.
  void open_row(const std::string& text);
  // Opens the selected row, keeping the name of a container entered as the viewer does.
  void open_selected();

  temp_folder temp{temp_folder::current::enter};
  posix_directory_lister posix;
  fixed_drive_provider drives;
  open_outcome opened;          // what the last opening did
  std::string disk_image_name;  // the container entered last
  std::unique_ptr<container_stack> containers = std::make_unique<container_stack>();
  browser b;
};
