#include "browser/name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> names_of(const name_list& list) {
  std::vector<std::string> names;
  for (int i = 0; i < name_list_count(list); ++i) names.push_back(name_list_get(list, i).name);
  return names;
}

int sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(NameList, AddingUpperCasesOnlyTheFirstAsciiLetter) {
  name_list list;
  name_list_add(list, "readme.vic", 10018);
  name_list_add(list, "9lives.vic", 1);
  name_list_add(list, "_under.vic", 2);
  name_list_add(list, "\xE4rger.vic", 3);
  ASSERT_EQ(name_list_count(list), 4);
  EXPECT_EQ(name_list_get(list, 0).name, "Readme.vic");
  EXPECT_EQ(name_list_get(list, 0).host_name, "readme.vic");
  EXPECT_EQ(name_list_get(list, 0).size, 10018);
  EXPECT_EQ(name_list_get(list, 1).name, "9lives.vic");
  EXPECT_EQ(name_list_get(list, 2).name, "_under.vic");
  EXPECT_EQ(name_list_get(list, 3).name, "\xE4rger.vic");
}

TEST(NameList, SortsByUpperCasedNames) {
  name_list list;
  for (const char* name : {"d", "A", "b"}) name_list_add(list, name, 0);
  name_list_sort(list);
  EXPECT_EQ(names_of(list), (std::vector<std::string>{"A", "B", "D"}));
}

TEST(NameList, DotDotSortsAfterSpaceAndPunctuationButBeforeDigitsLettersAndUnderscore) {
  name_list list;
  for (const char* name : {"_under", "zed", "1st", "..", "-dash", " space", "!bang", "abc"})
    name_list_add(list, name, 0);
  name_list_sort(list);
  EXPECT_EQ(names_of(list), (std::vector<std::string>{" space", "!bang", "-dash", "..", "1st",
                                                      "Abc", "Zed", "_under"}));
}

TEST(NameList, NamesEqualIgnoringCaseAreBothKept) {
  name_list list;
  name_list_add(list, "ABC", 1);
  name_list_add(list, "Abc", 2);
  name_list_sort(list);
  ASSERT_EQ(name_list_count(list), 2);
  EXPECT_EQ(name_list_get(list, 0).size + name_list_get(list, 1).size, 3);
}

TEST(NameList, ClearEmptiesAndClearingAnEmptyListDoesNothing) {
  name_list list;
  name_list_clear(list);
  EXPECT_EQ(name_list_count(list), 0);
  name_list_add(list, "x", 1);
  name_list_clear(list);
  EXPECT_EQ(name_list_count(list), 0);
}

// Entries are reused after a clear: nothing of the earlier entry may show through.
TEST(NameList, RefillingAfterAClearKeepsNothingOfTheEarlierEntries) {
  name_list list;
  name_list_add(list, "zeta.p00", 9, 4, "<PC64>").c64_name = "ZETA";
  name_list_add(list, "alpha.vic", 10018, 3);
  name_list_sort(list);
  name_list_clear(list);
  name_list_add(list, "b", 1);
  name_list_sort(list);
  ASSERT_EQ(name_list_count(list), 1);
  const name_entry& only = name_list_get(list, 0);
  EXPECT_EQ(only.host_name, "b");
  EXPECT_EQ(only.format_id, 0);
  EXPECT_TRUE(only.marker.empty());
  EXPECT_TRUE(only.c64_name.empty());
}

TEST(CompareNames, ResultsAreZeroOneAndMinusEleven) {
  EXPECT_EQ(compare_names("abc", "ABC"), 0);
  EXPECT_EQ(compare_names("b", "a"), 1);
  EXPECT_EQ(compare_names("a", "b"), -11);
  EXPECT_EQ(compare_names("ab", "a"), 1);
  EXPECT_EQ(compare_names("a", "ab"), -11);
  EXPECT_EQ(compare_names("", ""), 0);
}

TEST(CompareNames, BytesCompareUnsignedAfterUpperCasing) {
  EXPECT_EQ(sign(compare_names("..", " x")), 1);
  EXPECT_EQ(sign(compare_names("..", "-x")), 1);
  EXPECT_EQ(sign(compare_names("..", "0x")), -1);
  EXPECT_EQ(sign(compare_names("_x", "zed")), 1);
  EXPECT_EQ(sign(compare_names("_x", "Zed")), 1);
  EXPECT_EQ(sign(compare_names("\xC3\xA4", "zzz")), 1);
  EXPECT_EQ(sign(compare_names("[", "z")), 1);  // '[' (91) against 'Z' (90)
}

}  // namespace
