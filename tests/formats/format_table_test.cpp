#include "formats/format_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
  // The further formats are not among the seventeen sizes.
  EXPECT_EQ(format_id_by_size(10003), 0);
}

TEST(FormatTable, NamesById) {
  EXPECT_EQ(format_name(15), "Hires Art Studio 320x200");
  EXPECT_EQ(format_name(17), "Crest Ufli 320x200");
  EXPECT_EQ(format_name(11), "Multi Color BPaddles 160x200");
  EXPECT_EQ(format_name(0), "Unknown VELORA format");
  EXPECT_EQ(format_name(255), "Unknown VELORA format");
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
      {1, decoding::hires},
      {1, decoding::multicolor},
      {1, decoding::ufli},
  }};
  for (uint8_t id = 1; id <= 17; ++id) {
    const format_entry* format = format_by_id(id);
    ASSERT_NE(format, nullptr) << int{id};
    const expected_dispatch& want = expected[id - 1];
    EXPECT_EQ(format->id, id);
    EXPECT_EQ(format->frames(), want.frames) << int{id};
    EXPECT_EQ(format->decode, want.decode) << int{id};
    EXPECT_EQ(format->two_surface_picture(), want.frames == 2) << int{id};
  }
}

TEST(FormatTable, LookupOutsideTheTable) {
  EXPECT_EQ(format_by_id(0), nullptr);
  EXPECT_EQ(format_by_id(static_cast<uint8_t>(format_table.size() + 1)), nullptr);
  EXPECT_EQ(format_by_id(255), nullptr);
}

}  // namespace

// Two formats that a file of one size, load address and extension (or content alone, among the
// further formats) could both fit must tell themselves apart otherwise: a packed one by
// unpacking, so by scheme, or by its mark.
bool could_claim_one_file(const format_entry& a, const format_entry& b) {
  if (a.pack != b.pack || a.mark.text != b.mark.text) return false;
  const auto share = [](const auto& left, const auto& right) {
    for (const auto& value : left)
      if (value != decltype(value){} && std::find(right.begin(), right.end(), value) != right.end())
        return true;
    return false;
  };
  const bool packed = a.pack != packing::none;
  const auto sizes = [packed](const format_entry& f) {
    return packed ? std::array{f.unpacked_size, f.longer_unpacked_size, 0, 0} : f.sizes;
  };
  const auto addresses = [](const format_entry& f) {
    return std::vector(f.recognised.load_addresses.begin(),
                       f.recognised.load_addresses.begin() + f.recognised.load_address_count);
  };
  // A format that lists no load address takes any.
  const bool share_addresses = a.recognised.load_address_count == 0 ||
                               b.recognised.load_address_count == 0 ||
                               share(addresses(a), addresses(b));
  const bool by_content = a.recognised.by_content && b.recognised.by_content &&
                          a.id > size_table_formats && b.id > size_table_formats;
  return share(sizes(a), sizes(b)) && share_addresses &&
         (by_content || share(a.recognised.extensions, b.recognised.extensions));
}

TEST(FormatTable, NoTwoFormatsCouldClaimOneFile) {
  for (const format_entry& a : format_table) {
    for (const format_entry& b : format_table) {
      if (a.id >= b.id) continue;
      EXPECT_FALSE(could_claim_one_file(a, b)) << a.name << " and " << b.name;
    }
  }
}
