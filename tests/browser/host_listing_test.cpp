#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "browser_fixture.h"
#include "support/files.h"

namespace {

using rows = std::vector<std::string>;

TEST_F(browser_test, TheExampleFolderListsAsStated) {
  make_dir("sub1");
  make_dir("Sub0");
  write_file("x.d64", 174848);
  write_file("y.d64", 1000);
  write_file("pic.vic", 10018);
  EXPECT_TRUE(list_directory(b));
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "Sub0|<DIR>||",
                             "Sub1|<DIR>||",
                             "X.d64|<D64>||",
                             "Pic.vic|<File>|10018|Advanced Art Studio 160x200",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
  EXPECT_EQ(b.grid.selected_row, 1);
  EXPECT_EQ(tdir_row(b.grid, 3).host_name, "sub1");
  EXPECT_EQ(tdir_row(b.grid, 4).host_name, "x.d64");
  EXPECT_EQ(tdir_row(b.grid, 5).host_name, "pic.vic");
  EXPECT_EQ(tdir_row(b.grid, 6).host_name, "/");
  EXPECT_EQ(tdir_row(b.grid, 7).host_name, "/home/ann");
}

// Pictures by extension are listed whatever they hold; names that name no format only when
// their size and load address do; disk images by their kind's size and extension.
TEST_F(browser_test, FurtherPicturesAndDiskImagesOfEveryKindAreListed) {
  std::vector<uint8_t> koala(10003, 0);
  koala[1] = 0x60;
  write_file_bytes(temp / "koala.pic", koala);
  write_file_bytes(temp / "KOALA", koala);
  write_file_bytes(temp / "koala.txt", koala);
  write_file("odd.koa", 999);
  write_file("odd.prg", 999);
  write_file("two.d71", 349696);
  write_file("eight.D81", 822400);
  write_file("forty.d64", 196608);
  write_file("wrong.d71", 174848);
  EXPECT_TRUE(list_directory(b));
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "Eight.D81|<D81>||",
                             "Forty.d64|<D64>||",
                             "Two.d71|<D71>||",
                             "KOALA|<File>|10003|Koala Painter 160x200",
                             "Koala.pic|<File>|10003|Koala Painter 160x200",
                             "Odd.koa|<File>|999|Unknown VELORA format",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
}

TEST_F(browser_test, PatternsMatchAnyCaseAndOnlyWholeExtensions) {
  write_file("A.VIC", 9009);
  write_file("b.Vic", 16194);
  write_file("C.D64", 174848);
  write_file("d.vicx", 10018);
  write_file("e.d64.bak", 174848);
  write_file("fvic", 12345);
  make_dir("g.vic");
  EXPECT_TRUE(list_directory(b));
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "G.vic|<DIR>||",
                             "C.D64|<D64>||",
                             "A.VIC|<File>|9009|Hires Art Studio 320x200",
                             "B.Vic|<File>|16194|Crest Ufli 320x200",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
}

TEST_F(browser_test, HiddenEntriesAreListedAndDotIsNot) {
  make_dir(".hidden");
  write_file(".secret.vic", 10242);
  list_directory(b);
  EXPECT_EQ(row_texts()[1], "..|<DIR>||");
  EXPECT_EQ(row_texts()[2], ".hidden|<DIR>||");
  EXPECT_EQ(row_texts()[3], ".secret.vic|<File>|10242|Multi Color BPaddles 160x200");
  EXPECT_EQ(b.grid.row_count, 6);
}

TEST_F(browser_test, EmptyAndUnknownSizesAndNamesUnknownToTheFormats) {
  write_file("empty.vic", 0);
  write_file("odd.vic", 1234);
  list_directory(b);
  EXPECT_EQ(row_texts()[2], "Empty.vic|<File>||");
  EXPECT_EQ(row_texts()[3], "Odd.vic|<File>|1234|Unknown VELORA format");

  fixed_lister lister;
  lister.items = {{"gone.vic", false, true, -1}, {"big.vic", false, true, 5000000000}};
  b.lister = &lister;
  list_directory(b);
  EXPECT_EQ(row_texts()[2], "Big.vic|<File>|5000000000|Unknown VELORA format");
  EXPECT_EQ(row_texts()[3], "Gone.vic|<File>||");
}

TEST_F(browser_test, LinksAreFollowedAndLoopsAndDanglingLinksAreLeftOut) {
  make_dir("real");
  write_file("target.bin", 10018);
  std::filesystem::create_directory_symlink("real", temp / "link_dir");
  std::filesystem::create_symlink("target.bin", temp / "link.vic");
  std::filesystem::create_symlink("loop_b.vic", temp / "loop_a.vic");
  std::filesystem::create_symlink("loop_a.vic", temp / "loop_b.vic");
  std::filesystem::create_symlink("self", temp / "self");
  std::filesystem::create_symlink("missing.d64", temp / "dangling.d64");
  EXPECT_TRUE(list_directory(b));
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "Link_dir|<DIR>||",
                             "Real|<DIR>||",
                             "Link.vic|<File>|10018|Advanced Art Studio 160x200",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
}

TEST_F(browser_test, NamesThatAreNotUtf8KeepTheirBytes) {
  const std::string name = "\xFF\xFE\x80.vic";
  write_file(name, 10018);
  list_directory(b);
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), name);
  EXPECT_EQ(tdir_row(b.grid, 2).host_name, name);
}

TEST_F(browser_test, TheRootHasNoDotDotRow) {
  fixed_lister lister;
  lister.items = {{"usr", true, false, -1}, {"bin", true, false, -1}};
  b.lister = &lister;
  ASSERT_EQ(chdir("/"), 0);
  list_directory(b);
  EXPECT_EQ(row_texts()[1], "Bin|<DIR>||");
  EXPECT_EQ(row_texts()[2], "Usr|<DIR>||");
  EXPECT_EQ(b.grid.row_count, 5);
}

TEST_F(browser_test, AnUnreadableDirectoryStillOffersDotDotAndTheDrives) {
  fixed_lister lister;
  lister.readable = false;
  b.lister = &lister;
  EXPECT_FALSE(list_directory(b));
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
}

TEST_F(browser_test, AHundredThousandEntriesAreListedInOrder) {
  fixed_lister lister;
  for (int i = 0; i < 100000; ++i) {
    lister.items.push_back({"p" + std::to_string(99999 - i) + ".vic", false, true, 10018});
  }
  b.lister = &lister;
  list_directory(b);
  ASSERT_EQ(b.grid.row_count, 100000 + 4);
  EXPECT_EQ(tdir_cell(b.grid, 0, 2), "P0.vic");
  EXPECT_EQ(tdir_cell(b.grid, 0, 100001), "P99999.vic");
  tdir_navigate(b.grid, 35, false);  // End
  EXPECT_EQ(b.grid.selected_row, 100003);
}

TEST_F(browser_test, RelistingACutListLeavesNoStaleRows) {
  for (int i = 0; i < 40; ++i) write_file("f" + std::to_string(i) + ".vic", 10018);
  list_directory(b);
  tdir_select_row(b.grid, 35);
  for (int i = 0; i < 40; ++i) std::filesystem::remove(temp / ("f" + std::to_string(i) + ".vic"));
  write_file("only.vic", 0);
  list_directory(b);
  EXPECT_EQ(row_texts(), (rows{
                             "File name|Type|Size|GFX format",
                             "..|<DIR>||",
                             "Only.vic|<File>||",
                             "Drive / [ext4]|<Drive>||",
                             "Drive /home/ann [home]|<Drive>||",
                         }));
  EXPECT_EQ(b.grid.selected_row, 1);
  EXPECT_EQ(b.grid.top_row, 1);
}

}  // namespace
