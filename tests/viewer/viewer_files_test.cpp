#include "viewer_fixture.h"

namespace {

// Rows: 1 "..", 2 Full, 3 Sub, 4 P1.vic, 5 P2.vic, 6 the drive. The files' real names are
// lower-case; the rows show them with the first letter upper-cased.
class FilesTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_directory(folder / "full");
    write_file_bytes(folder / "full" / "inside.vic", counting_bytes(3));
    write_file_bytes(folder / "p1.vic", counting_bytes(10018));
    write_file_bytes(folder / "p2.vic", counting_bytes(12345));
    start();
    ASSERT_EQ(cell(0, 4), "P1.vic");
  }
  bool exists(const char* name) const { return std::filesystem::exists(folder / name); }
};

TEST_F(FilesTest, RenameOffersTheRealNameAndRenamesByIt) {
  select("P1.vic");
  boxes.text_answers = {"q1.vic"};
  press('R');
  EXPECT_EQ(boxes.input_caption, "Change file name");
  EXPECT_EQ(boxes.input_prompt, "New file name");
  EXPECT_EQ(asked(), (std::vector<std::string>{"input: p1.vic"}));
  EXPECT_FALSE(exists("p1.vic"));
  EXPECT_EQ(read_file_bytes(folder / "q1.vic"), counting_bytes(10018));
  // Listed again; the selection keeps its row index, now P2.vic's.
  EXPECT_EQ(cell(0, 5), "Q1.vic");
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(cell(0, 4), "P2.vic");
}

TEST_F(FilesTest, RenameCancelledOrUnchangedRenamesNothing) {
  select("P1.vic");
  boxes.text_answers = {std::nullopt, "p1.vic"};
  press('R');
  press('R');
  EXPECT_EQ(asked(), (std::vector<std::string>{"input: p1.vic", "input: p1.vic"}));
  EXPECT_EQ(read_file_bytes(folder / "p1.vic"), counting_bytes(10018));
  EXPECT_FALSE(exists("P1.vic"));
}

TEST_F(FilesTest, RenameOntoATakenNameOrOutOfTheFolderIsRefusedAndLosesNothing) {
  select("P1.vic");
  write_file_bytes(folder / "p0.vic", counting_bytes(7));  // shows once the folder is listed again
  std::filesystem::create_directory(folder / "sub");
  boxes.text_answers = {"p2.vic", "sub/moved.vic", "../escaped.vic", ""};
  for (int k = 0; k < 4; ++k) press('R');
  EXPECT_EQ(asked(),
            (std::vector<std::string>{
                "input: p1.vic", "message: File exists", "input: p1.vic",
                "message: Cannot rename to sub/moved.vic: a name cannot hold '/'", "input: p1.vic",
                "message: Cannot rename to ../escaped.vic: a name cannot hold '/'", "input: p1.vic",
                "message: Cannot rename to an empty name"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "sub/moved.vic"));
  EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "escaped.vic"));
  EXPECT_EQ(read_file_bytes(folder / "p1.vic"), counting_bytes(10018));
  EXPECT_EQ(read_file_bytes(folder / "p2.vic"), counting_bytes(12345));
  // Not listed again after a refusal.
  EXPECT_EQ(cell(0, 4), "P1.vic");
  EXPECT_EQ(selected(), 4);
}

TEST_F(FilesTest, RenameAndFileDeleteAreForFileRowsOnly) {
  boxes.text_answers = {"renamed"};
  for (const char* row : {"Sub", ".."}) {
    select(row);
    press('R');
  }
  select("Drive / [ext4]");
  press('R');
  press('D');
  EXPECT_TRUE(asked().empty());
}

TEST_F(FilesTest, DeleteAsksWithTheRealNameAndDeletesOnYes) {
  select("P1.vic");
  boxes.confirm_answers = {false, true};
  press('D');
  EXPECT_TRUE(exists("p1.vic"));
  press('D');
  EXPECT_FALSE(exists("p1.vic"));
  EXPECT_EQ(asked(), (std::vector<std::string>{"confirm: Do you really want to delete p1.vic ?",
                                               "confirm: Do you really want to delete p1.vic ?"}));
  EXPECT_EQ(selected(), 4);
  EXPECT_EQ(cell(0, 4), "P2.vic");
  EXPECT_EQ(cell(1, 5), "<Drive>");
}

TEST_F(FilesTest, DeleteRemovesAnEmptyDirectoryAndReportsAnyOther) {
  boxes.confirm_answers = {true, true, true};
  select("Sub");
  press('D');
  EXPECT_FALSE(exists("sub"));
  EXPECT_EQ(selected(), 3);
  EXPECT_EQ(cell(0, 3), "P1.vic");
  select("Full");
  press('D');
  EXPECT_TRUE(exists("full/inside.vic"));
  select("..");
  press('D');
  EXPECT_EQ(asked(),
            (std::vector<std::string>{
                "confirm: Do you really want to delete sub ?",
                "confirm: Do you really want to delete full ?", "message: Dir is not empty",
                "confirm: Do you really want to delete .. ?", "message: Dir is not empty"}));
  EXPECT_EQ(selected(), 1);
}

TEST_F(FilesTest, DirectoryDeleteAnsweredNoKeepsIt) {
  select("Sub");
  press('D');
  EXPECT_TRUE(exists("sub"));
  EXPECT_EQ(asked(), (std::vector<std::string>{"confirm: Do you really want to delete sub ?"}));
}

}  // namespace
