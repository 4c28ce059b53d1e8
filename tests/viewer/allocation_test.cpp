// Nothing is allocated per picture: showing a picture of any format after the first, and a
// presenting frame tick, allocate nothing. Glyphs are rendered the first time a character is
// drawn, so the captions' characters are drawn once beforehand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "browser/host_directory.h"
#include "display/headless_display.h"
#include "formats/format_table.h"
#include "render/caption.h"
#include "support/allocation_counter.h"
#include "support/scripted_dialogs.h"
#include "text/text.h"
#include "viewer/form.h"

namespace {

class AllocationTest : public testing::Test {
 protected:
  void SetUp() override {
    start_dir_ = host_current_directory();
    ASSERT_EQ(chdir(VELORA_SAMPLES_DIR), 0);
    form_ = std::make_unique<TForm1>(
        screen_, form_setup{.data_dir = VELORA_DATA_DIR, .questions = &answers_});
    ASSERT_TRUE(screen_.initialize());
  }
  void TearDown() override {
    form_.reset();
    close_fonts();
    ASSERT_EQ(chdir(start_dir_.c_str()), 0);
  }

  // Opens the picture of a host row with Enter; the allocations that made.
  uint64_t allocations_to_show(int row) {
    if (!form_->grid_visible()) form_->FormKeyPress(vk::escape);
    form_->select_row(row);
    const uint64_t before = allocation_count();
    form_->tdirKeyDown(vk::enter, false);
    const uint64_t made = allocation_count() - before;
    EXPECT_TRUE(form_->state().picture_shown) << tdir_row(form_->grid(), row).cells[0];
    return made;
  }

  // Every printable ASCII character in both fonts of the caption, which the samples' names
  // and the format names are made of.
  static void draw_caption_characters() {
    std::string characters;
    for (char c = ' '; c < 0x7F; ++c) characters += c;
    surface scratch = create_surface(screen_width, screen_height);
    draw_caption(characters, characters, scratch);
  }

  // The rows of every picture, in listing order.
  std::vector<int> picture_rows() {
    std::vector<int> rows;
    const tdir& grid = form_->grid();
    for (int row = 1; row < grid.row_count; ++row) {
      const grid_row& listed = tdir_row(grid, row);
      if (listed.cells[1] == "<File>" && format_by_id(listed.format_id)) rows.push_back(row);
    }
    return rows;
  }

  std::string start_dir_;
  headless_display screen_;
  scripted_dialogs answers_;
  std::unique_ptr<TForm1> form_;
};

// Once the caption's characters have been drawn, the first picture sets up what pictures
// need; every later one, of any format and name, reuses it.
TEST_F(AllocationTest, ShowingEachFormatAfterTheFirstPictureAllocatesNothing) {
  const std::vector<int> rows = picture_rows();
  ASSERT_EQ(rows.size(), 17u);
  draw_caption_characters();
  allocations_to_show(rows.back());
  for (const int row : rows)
    EXPECT_EQ(allocations_to_show(row), 0u) << tdir_row(form_->grid(), row).cells[0];
  EXPECT_TRUE(answers_.asked.empty());
}

// A disk image's pictures are read along their chains into the same buffers.
TEST_F(AllocationTest, ShowingPicturesOfADiskImageAllocatesNothing) {
  const tdir& grid = form_->grid();
  int image_row = 0;
  for (int row = 1; row < grid.row_count; ++row)
    if (tdir_row(grid, row).host_name == "pictures.d64") image_row = row;
  ASSERT_NE(image_row, 0);
  form_->select_row(image_row);
  form_->tdirKeyDown(vk::enter, false);
  ASSERT_TRUE(form_->state().in_disk_image);
  std::vector<int> rows;
  for (int row = 2; row < grid.row_count; ++row)
    if (format_by_id(tdir_row(grid, row).format_id)) rows.push_back(row);
  ASSERT_GE(rows.size(), 2u);
  draw_caption_characters();
  allocations_to_show(rows.back());
  for (const int row : rows) EXPECT_EQ(allocations_to_show(row), 0u) << tdir_cell(grid, 0, row);
}

TEST_F(AllocationTest, PresentingTickAllocatesNothing) {
  const std::vector<int> rows = picture_rows();
  allocations_to_show(rows.front());
  form_->DXTimerTimer();
  const uint64_t before = allocation_count();
  for (int tick = 0; tick < 10; ++tick) form_->DXTimerTimer();
  EXPECT_EQ(allocation_count() - before, 0u);
}

}  // namespace
