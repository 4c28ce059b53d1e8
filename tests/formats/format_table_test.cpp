#include "formats/format_table.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatIdentification, SizesOfEveryFormat) {
  EXPECT_EQ(format_id_by_size(33602), 1);
  EXPECT_EQ(format_id_by_size(33603), 1);
  EXPECT_EQ(format_id_by_size(34050), 2);
  EXPECT_EQ(format_id_by_size(17666), 3);
  EXPECT_EQ(format_id_by_size(17665), 4);
  EXPECT_EQ(format_id_by_size(17409), 5);
  EXPECT_EQ(format_id_by_size(17410), 5);
  EXPECT_EQ(format_id_by_size(18242), 6);
  EXPECT_EQ(format_id_by_size(19434), 7);
  EXPECT_EQ(format_id_by_size(16385), 8);
  EXPECT_EQ(format_id_by_size(9217), 9);
  EXPECT_EQ(format_id_by_size(16386), 10);
  EXPECT_EQ(format_id_by_size(10242), 11);
  EXPECT_EQ(format_id_by_size(17218), 12);
  EXPECT_EQ(format_id_by_size(33694), 13);
  EXPECT_EQ(format_id_by_size(10018), 14);
  EXPECT_EQ(format_id_by_size(9009), 15);
  EXPECT_EQ(format_id_by_size(10241), 16);
  EXPECT_EQ(format_id_by_size(16194), 17);
}

TEST(FormatIdentification, UnknownSizesAreFormatZero) {
  for (int64_t size : {int64_t{0}, int64_t{-1}, int64_t{1}, int64_t{33601}, int64_t{33604},
                       int64_t{34051}, int64_t{12345}, int64_t{174848}, int64_t{33602} << 32}) {
    EXPECT_EQ(format_id_by_size(size), 0) << size;
  }
}

TEST(FormatIdentification, NamesBySize) {
  EXPECT_EQ(format_name_by_size(9009), "Hires Art Studio 320x200");
  EXPECT_EQ(format_name_by_size(16194), "Crest Ufli 320x200");
  EXPECT_EQ(format_name_by_size(33603), "Gun Paint interlace 320x200");
  EXPECT_EQ(format_name_by_size(10241), "Draz Paint MultiColor 160x200");
  EXPECT_EQ(format_name_by_size(0), "Unknown VELORA format");
  EXPECT_EQ(format_name_by_size(9010), "Unknown VELORA format");
  EXPECT_EQ(format_name_by_size(-33602), "Unknown VELORA format");
}

TEST(FormatIdentification, SizeTextMustBePlainDecimal) {
  EXPECT_EQ(format_id_by_size_text("33602"), 1);
  EXPECT_EQ(format_id_by_size_text("33603"), 1);
  EXPECT_EQ(format_id_by_size_text("17410"), 5);
  EXPECT_EQ(format_id_by_size_text("9217"), 9);
  EXPECT_EQ(format_id_by_size_text("16194"), 17);
  EXPECT_EQ(format_id_by_size_text("033602"), 0);
  EXPECT_EQ(format_id_by_size_text(" 33602"), 0);
  EXPECT_EQ(format_id_by_size_text("33602 "), 0);
  EXPECT_EQ(format_id_by_size_text("+33602"), 0);
  EXPECT_EQ(format_id_by_size_text("-9217"), 0);
  EXPECT_EQ(format_id_by_size_text("09217"), 0);
  EXPECT_EQ(format_id_by_size_text("33602.0"), 0);
  EXPECT_EQ(format_id_by_size_text(""), 0);
  EXPECT_EQ(format_id_by_size_text("0"), 0);
  EXPECT_EQ(format_id_by_size_text("12345"), 0);
  EXPECT_EQ(format_id_by_size_text("3360233602"), 0);
}

TEST(FormatTable, NamesAreTheDisplayNames) {
  EXPECT_EQ(format_names[0], "Unknown VELORA format");
  EXPECT_EQ(format_names[4], "Saga Editor fli 160x200");
  EXPECT_EQ(format_names[11], "Multi Color BPaddles 160x200");
  for (std::string_view name : format_names) EXPECT_LE(name.size(), 30u) << name;
  for (const format_entry& format : format_table) {
    EXPECT_EQ(format.name, format_names[format.id]);
  }
}

struct expected_dispatch {
  uint8_t frames;
  decoding decode;
};

TEST(FormatTable, DispatchOfEveryFormat) {
  const std::array<expected_dispatch, 17> expected = {{
      {2, decoding::two_frame_multicolor},
      {2, decoding::two_frame_multicolor},
      {1, decoding::multicolor},
      {1, decoding::multicolor},
      {1, decoding::multicolor},
      {2, decoding::two_frame_multicolor},
      {2, decoding::two_frame_multicolor},
      {1, decoding::hires},
      {1, decoding::hires},
      {2, decoding::two_frame_multicolor},
      {1, decoding::multicolor},
      {1, decoding::multicolor},
      {2, decoding::two_frame_multicolor},
      {1, decoding::multicolor},
      {0, decoding::none},
      {1, decoding::multicolor},
      {0, decoding::none},
  }};
  for (uint8_t id = 1; id <= 17; ++id) {
    const format_entry* format = format_by_id(id);
    ASSERT_NE(format, nullptr) << int{id};
    const expected_dispatch& want = expected[id - 1];
    EXPECT_EQ(format->id, id);
    EXPECT_EQ(format->frames, want.frames) << int{id};
    EXPECT_EQ(format->shown(), want.frames != 0) << int{id};
    EXPECT_EQ(format->decode, want.decode) << int{id};
    if (want.frames == 0) {
      EXPECT_FALSE(format->two_surface_picture.has_value()) << int{id};
    } else {
      EXPECT_EQ(format->two_surface_picture, want.frames == 2) << int{id};
    }
  }
}

TEST(FormatTable, LookupOutsideTheTable) {
  EXPECT_EQ(format_by_id(0), nullptr);
  EXPECT_EQ(format_by_id(18), nullptr);
  EXPECT_EQ(format_by_id(255), nullptr);
  EXPECT_EQ(largest_format_size, 34050);
}

}  // namespace
