#include <filesystem>
#include <string>
#include <vector>

#include "browser_fixture.h"
#include "formats/format_table.h"
#include "support/d64_image.h"
#include "support/files.h"

namespace {

using rows = std::vector<std::string>;

class disk_image_test : public browser_test {
 protected:
  void write_image(const std::string& name, const std::vector<d64_file>& files) const {
    write_file_bytes(temp / name, d64_image_of(files, "TEST DISK"));
  }

  std::vector<uint8_t> picture = counting_bytes(10018);
  std::vector<uint8_t> notes = counting_bytes(300);
  std::vector<uint8_t> odd = counting_bytes(500);
  std::vector<d64_file> files = {
      {"PIC", 0x82, picture}, {"NOTES", 0x81, notes}, {"ODD\xC1", 0x82, odd}};
};

TEST_F(disk_image_test, EnteringAnImageListsItsDirectory) {
  write_image("x.d64", files);
  list_directory(b);
  open_row("X.d64");
  EXPECT_EQ(opened.action, open_action::entered_disk_image);
  EXPECT_EQ(opened.text, "x.d64");
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<WIN>||",
                             "PIC             |PRG|10018|Advanced Art Studio 160x200",
                             "NOTES           |SEQ||",
                             "ODD\xC1            |PRG|500|Unknown VELORA format",
                         }));
  EXPECT_EQ(b.grid.selected_row, 1);
}

// A D71 and a D81 written by our writer, with a Koala picture that its load address tells.
TEST_F(disk_image_test, D71AndD81ImagesOpenAndTellAKoalaPictureByItsLoadAddress) {
  std::vector<uint8_t> koala(10003, 0x55);
  koala[0] = 0x00;
  koala[1] = 0x60;
  const std::vector<d64_file> pictures = {{"KOALA", 0x82, koala}};
  for (const disk_kind* kind : {&d71_kind, &d81_kind}) {
    std::vector<uint8_t> image(static_cast<size_t>(kind->image_size));
    ASSERT_TRUE(build_disk_image(*kind, "KINDS", "K1", pictures, image).ok);
    const std::string name = "x." + std::string(kind->name);
    write_file_bytes(temp / name, image);
    list_directory(b);
    open_row("X." + std::string(kind->name));
    ASSERT_EQ(opened.action, open_action::entered_disk_image) << kind->name;
    EXPECT_EQ(tdir_cell(b.grid, 3, 2), "Koala Painter 160x200");
    tdir_select_row(b.grid, 2);
    open_selected();
    EXPECT_EQ(opened.action, open_action::show_picture);
    EXPECT_EQ(format_name(opened.format_id), "Koala Painter 160x200");
    open_row("..");
    std::filesystem::remove(temp / name);
  }
}

TEST_F(disk_image_test, PrgRowsShowTheirPictureFromTheImageAndOtherTypesDoNothing) {
  write_image("x.d64", files);
  list_directory(b);
  open_row("X.d64");
  tdir_select_row(b.grid, 2);
  open_selected();
  ASSERT_EQ(opened.action, open_action::show_picture);
  EXPECT_EQ(opened.format_id, 14);
  EXPECT_EQ(opened.row, 2);
  EXPECT_EQ(opened.source, picture_source::DISK_IMAGE_ENTRY);
  tdir_select_row(b.grid, 3);
  open_selected();
  EXPECT_EQ(opened.action, open_action::nothing);
  EXPECT_EQ(b.grid.row_count, 5);
  tdir_select_row(b.grid, 4);
  open_selected();
  EXPECT_EQ(opened.format_id, 0);
}

// A D81 partition and a file whose chain runs off the disk: Enter says why neither opens.
TEST_F(disk_image_test, PartitionsAndBrokenChainsTellWhyTheyDoNotOpen) {
  const std::vector<d64_file> entries = {{"PART", 0x85, notes}, {"CUT", 0x82, picture}};
  std::vector<uint8_t> image(static_cast<size_t>(d81_kind.image_size));
  ASSERT_TRUE(build_disk_image(d81_kind, "KINDS", "K1", entries, image).ok);
  const uint8_t* cut = image.data() + d81_kind.sector_offset(40, 3) + 32;
  image[d81_kind.sector_offset(cut[3], cut[4])] = 81;  // its first link leaves the disk
  write_file_bytes(temp / "p.d81", image);
  list_directory(b);
  open_row("P.d81");
  EXPECT_EQ(row_texts()[2], "PART            |CBM||");
  EXPECT_EQ(row_texts()[3], "CUT             |PRG<|254|");
  tdir_select_row(b.grid, 2);
  open_selected();
  EXPECT_EQ(opened.action, open_action::message);
  EXPECT_EQ(opened.text,
            "The directory entry is a partition (CBM); partitions are listed, not opened");
  tdir_select_row(b.grid, 3);
  open_selected();
  EXPECT_EQ(opened.action, open_action::message);
  EXPECT_TRUE(opened.text.starts_with(
      "The file's sector chain breaks after 254 bytes: it links to track 81"))
      << opened.text;
}

TEST_F(disk_image_test, LeavingAnImageSelectsItsRowAgain) {
  write_image("m.d64", files);
  write_image("Z.d64", files);
  write_image("b.d64", files);
  make_dir("dir");
  write_file("a.vic", 10018);
  list_directory(b);
  open_row("M.d64");
  open_row("..");
  EXPECT_EQ(opened.action, open_action::left_disk_image);
  EXPECT_EQ(tdir_cell(b.grid, 0, b.grid.selected_row), "M.d64");
  EXPECT_EQ(b.grid.selected_row, 4);
  EXPECT_EQ(std::filesystem::current_path(), temp.path());
}

TEST_F(disk_image_test, LeavingAnImageThatIsGoneSelectsRowOne) {
  write_image("m.d64", files);
  make_dir("dir");
  list_directory(b);
  open_row("M.d64");
  std::filesystem::remove(temp / "m.d64");
  open_row("..");
  EXPECT_EQ(opened.action, open_action::left_disk_image);
  EXPECT_EQ(b.grid.selected_row, 1);
}

TEST_F(disk_image_test, AnImageThatCannotBeReadWholeShowsAMessageAndTheListingStays) {
  write_image("x.d64", files);
  list_directory(b);
  const rows before = row_texts();
  std::filesystem::resize_file(temp / "x.d64", 1000);
  open_row("X.d64");
  EXPECT_EQ(opened.action, open_action::message);
  EXPECT_EQ(opened.text, "Cannot read disk image x.d64: is 1000 bytes, not a disk image's size (" +
                             disk_image_sizes_text() + ")");
  EXPECT_EQ(row_texts(), before);
  EXPECT_EQ(b.grid.selected_row, 2);
}

TEST_F(disk_image_test, AnEmptyDirectoryShowsTheBackRowOnly) {
  write_image("e.d64", {});
  list_directory(b);
  open_row("E.d64");
  EXPECT_EQ(row_texts(), (rows{"File name|Type|Size|GFX format", "..|<WIN>||"}));
  EXPECT_EQ(b.grid.selected_row, 1);
}

TEST_F(disk_image_test, AFullDirectoryGivesOneRowPerEntry) {
  const std::vector<uint8_t> one = counting_bytes(2);
  std::vector<std::string> names;
  for (int i = 0; i < d64_max_files; ++i) names.push_back("F" + std::to_string(i));
  std::vector<d64_file> many;
  for (const std::string& name : names) many.push_back({name, 0x82, one});
  write_image("full.d64", many);
  list_directory(b);
  for (int i = 0; i < 40; ++i) tdir_navigate(b.grid, 40, false);
  open_row("Full.d64");
  EXPECT_EQ(b.grid.row_count, 146);
  EXPECT_EQ(b.grid.selected_row, 1);
  EXPECT_EQ(b.grid.top_row, 1);
  EXPECT_EQ(tdir_cell(b.grid, 0, 145), "F143            ");
  EXPECT_EQ(tdir_cell(b.grid, 2, 145), "2");
}

}  // namespace
