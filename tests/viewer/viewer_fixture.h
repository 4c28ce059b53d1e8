#pragma once
// The main form on a headless screen, started in a fresh folder that is the current directory,
// with scripted answers to its questions and one fixed drive row.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/headless_display.h"
#include "sample_formats.h"
#include "support/files.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "viewer/form.h"

class one_drive final : public drive_provider {
 public:
  void list_drives(std::vector<drive_item>& drives) override { drives = {{"/", "/ [ext4]"}}; }
};

// A sample picture of format_id (1..14 or 16) as the bytes of its file.
inline std::vector<uint8_t> sample_file(uint8_t format_id) {
  static sample_workspace work;
  for (const sample_format& sample : sample_formats) {
    if (sample.format_id != format_id) continue;
    const uint32_t size = make_sample(sample, work);
    return {work.file.bytes.begin(), work.file.bytes.begin() + size};
  }
  return {};
}

class ViewerTest : public ::testing::Test {
 protected:
  // Starts the viewer in the folder as it now is, on a screen of the given refresh rate, and
  // initialises the screen unless told not to.
  void start(unsigned refresh_rate = 0, const std::string& data_dir = VELORA_DATA_DIR,
             bool initialize = true) {
    screen.set_refresh_rate(refresh_rate);
    form = std::make_unique<TForm1>(
        screen, form_setup{.data_dir = data_dir,
                           .chargen_file = chargen_file,
                           .report_error = [this](const std::string& m) { reports.push_back(m); },
                           .questions = &boxes,
                           .drives = &drives});
    if (initialize) {
      ASSERT_TRUE(screen.initialize());
    }
  }
  // A data folder without artwork.
  std::string no_data() const { return folder.path().string(); }

  // A key as the SDL screen sends it: key_down, then the character it types, if any.
  void press(int key, bool ctrl = false) {
    form->handle_input(key_down_event(key, ctrl));
    if (key == vk::enter || key == vk::escape || key == vk::back) type(static_cast<uint32_t>(key));
    if (key >= 'A' && key <= 'Z') type(static_cast<uint32_t>(key - 'A' + 'a'));
  }

  void type(uint32_t character) { form->handle_input(character_event(character)); }

  // Selects the first row whose shown name is text.
  void select(const std::string& text) {
    for (int row = 1; row < grid().row_count; ++row) {
      if (tdir_cell(grid(), 0, row) == text) {
        form->select_row(row);
        return;
      }
    }
    FAIL() << "no row " << text;
  }

  const tdir& grid() const { return form->grid(); }
  int selected() const { return grid().selected_row; }
  const std::string& cell(int col, int row) const { return tdir_cell(grid(), col, row); }
  std::vector<std::string>& asked() { return boxes.asked; }

  temp_folder folder{temp_folder::current::enter};
  headless_display screen;
  scripted_dialogs boxes;
  one_drive drives;
  std::vector<std::string> reports;
  std::string chargen_file;  // the --chargen the form is made with
  std::unique_ptr<TForm1> form;
};
