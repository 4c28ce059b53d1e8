#pragma once
// The main form on a headless screen, started in a temporary folder of pictures, with the
// build's artwork, scripted answers to its questions and one fixed drive row.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display/headless_display.h"
#include "sample_formats.h"
#include "support/scripted_dialogs.h"
#include "tools/make-d64/d64_writer.h"
#include "viewer/form.h"

// Answers from a script like scripted_dialogs, and also keeps the input box's texts.
class recording_dialogs final : public dialogs {
 public:
  scripted_dialogs script;
  std::string input_caption;
  std::string input_prompt;

  bool confirm(const std::string& question) override { return script.confirm(question); }
  void message(const std::string& text) override { script.message(text); }
  std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                   const std::string& initial) override {
    input_caption = caption;
    input_prompt = prompt;
    return script.input(caption, prompt, initial);
  }
  std::optional<std::string> save_name() override { return script.save_name(); }
};

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

// Bytes that encode their own offsets, count of them.
inline std::vector<uint8_t> counting_bytes(size_t count) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
  return bytes;
}

inline void write_bytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(TEST_TEMP_ROOT) + "/viewer-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    start_dir = std::filesystem::current_path();
  }

  void TearDown() override {
    form.reset();
    std::filesystem::current_path(start_dir);
    std::filesystem::remove_all(folder);
  }

  // Starts the viewer in the folder as it now is, on a screen of the given refresh rate.
  void start(unsigned refresh_rate = 0, const std::string& data_dir = VELORA_DATA_DIR) {
    std::filesystem::current_path(folder);
    screen.set_refresh_rate(refresh_rate);
    form = std::make_unique<TForm1>(
        screen, form_setup{.data_dir = data_dir,
                           .report_error = [this](const std::string& m) { reports.push_back(m); },
                           .questions = &boxes,
                           .drives = &drives});
    ASSERT_TRUE(screen.initialize());
  }

  // A key as the SDL screen sends it: key_down, then the character it types, if any.
  void press(int key, bool ctrl = false) {
    form->handle_input(key_down_event(key, ctrl));
    if (key == vk::enter || key == vk::escape) type(static_cast<uint32_t>(key));
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
  std::vector<std::string>& asked() { return boxes.script.asked; }

  std::filesystem::path folder;
  std::filesystem::path start_dir;
  headless_display screen;
  recording_dialogs boxes;
  one_drive drives;
  std::vector<std::string> reports;
  std::unique_ptr<TForm1> form;
};
