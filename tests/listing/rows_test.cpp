#include <gtest/gtest.h>

#include "containers/d64/d64_test_image.h"
#include "listing/d64_rows.h"

namespace {

// The reader is read only when an entry's size does not tell its format.
d64_reader& empty_reader() {
  static const std::unique_ptr<d64_reader> reader = make_reader();
  return *reader;
}

dir_entry make_entry(d64_file_type type, int32_t size, std::string_view name) {
  dir_entry entry;
  entry.file_type = type;
  entry.size_bytes = size;
  for (size_t i = 0; i < 16; ++i) entry.name[i] = i < name.size() ? name[i] : ' ';
  return entry;
}

TEST(D64RowTexts, PrgRowShowsSizeAndFormatName) {
  const d64_row_texts row =
      make_d64_row_texts(empty_reader(), make_entry(d64_file_type::prg, 10018, "PIC"));
  EXPECT_EQ(row.name, "PIC             ");
  EXPECT_EQ(row.type, "PRG");
  EXPECT_EQ(row.size, "10018");
  EXPECT_EQ(row.format, "Advanced Art Studio 160x200");
}

TEST(D64RowTexts, PrgRowOfUnknownOrNegativeSizeNamesNoFormat) {
  EXPECT_EQ(make_d64_row_texts(empty_reader(), make_entry(d64_file_type::prg, 1234, "A")).format,
            "Unknown VELORA format");
  const d64_row_texts row =
      make_d64_row_texts(empty_reader(), make_entry(d64_file_type::prg, -1, "A"));
  EXPECT_EQ(row.size, "-1");
  EXPECT_EQ(row.format, "Unknown VELORA format");
}

TEST(D64RowTexts, OtherTypesAreUpperCasedWithEmptySizeAndFormat) {
  for (const auto& [type, shown] : {std::pair{d64_file_type::seq, "SEQ"},
                                    {d64_file_type::usr, "USR"},
                                    {d64_file_type::rel, "REL"},
                                    {d64_file_type::del, "DEL"},
                                    {d64_file_type::unknown, "???"}}) {
    const d64_row_texts row = make_d64_row_texts(empty_reader(), make_entry(type, 10018, "X"));
    EXPECT_EQ(row.type, shown);
    EXPECT_EQ(row.size, "");
    EXPECT_EQ(row.format, "");
  }
}

TEST(D64RowTexts, NameKeepsItsRawBytes) {
  dir_entry entry = make_entry(d64_file_type::prg, 0, "");
  entry.name = {0x41, 0x00, 0xFF, 0x7F, 0x20, 0xC1, 0x42, 0x43,
                0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x1F};
  const std::string name = make_d64_row_texts(empty_reader(), entry).name;
  ASSERT_EQ(name.size(), 16u);
  EXPECT_EQ(name, std::string("A\0\xFF\x7F \xC1"
                              "BCDEFGHIJ\x1F",
                              16));
}

TEST(EntryPictureFormat, OnlyProgramFilesThatHoldAPicture) {
  EXPECT_EQ(entry_picture_format(empty_reader(), make_entry(d64_file_type::prg, 10018, "A")), 14);
  EXPECT_EQ(entry_picture_format(empty_reader(), make_entry(d64_file_type::seq, 10018, "A")), 0);
  EXPECT_EQ(entry_picture_format(empty_reader(), make_entry(d64_file_type::prg, 1234, "A")), 0);
}

}  // namespace
