#pragma once
// A main form on a headless display, with its data folder in a fresh temporary directory.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "display/headless_display.h"
#include "viewer/form.h"

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::string(TEST_TEMP_ROOT) + "/form-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    data_dir = pattern;
  }
  void TearDown() override {
    form.reset();
    std::filesystem::remove_all(data_dir);
  }

  // Creates the form (FormCreate) and, unless told not to, initialises the display.
  void create_form(unsigned refresh_rate = 0, bool initialize = true) {
    screen.set_refresh_rate(refresh_rate);
    form = std::make_unique<TForm1>(
        screen, form_setup{.data_dir = data_dir.string(),
                           .report_error = [this](const std::string& m) { reports.push_back(m); }});
    if (initialize) {
      ASSERT_TRUE(screen.initialize());
    }
  }

  headless_display screen;
  std::filesystem::path data_dir;
  std::vector<std::string> reports;
  std::unique_ptr<TForm1> form;
};
