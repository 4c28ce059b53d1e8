#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "formats/format_table.h"

namespace {

using InfoCommand = CliTest;

TEST_F(InfoCommand, OneLinePerFileWithSizeIdAndName) {
  picture("a.pic", 33603);
  picture("b.pic", 16194);
  picture("c.pic", 123);
  EXPECT_EQ(run(run_info_command, {at("a.pic"), at("b.pic"), at("c.pic")}), 0);
  EXPECT_EQ(out, at("a.pic") + "\t33603\t1\tGun Paint interlace 320x200\n" + at("b.pic") +
                     "\t16194\t17\tCrest Ufli 320x200\n" + at("c.pic") +
                     "\t123\t0\tUnknown VELORA format\n");
}

TEST_F(InfoCommand, UnreadableFilesAreReportedAndTheRestListed) {
  picture("a.pic", 10018);
  EXPECT_EQ(run(run_info_command, {at("missing.pic"), dir.path().string(), at("a.pic")}), 1);
  EXPECT_EQ(out, at("a.pic") + "\t10018\t14\tAdvanced Art Studio 160x200\n");
  EXPECT_NE(err.find(at("missing.pic")), std::string::npos);
  EXPECT_NE(err.find(dir.path().string()), std::string::npos);
  EXPECT_EQ(run(run_info_command, {}), 2);
}

// A disk image's line names its kind, its entries and how many of them are pictures (here the
// Koala picture and the two-frame one of the fixture's five entries).
TEST_F(InfoCommand, DiskImagesGiveTheirKindEntriesAndPictures) {
  disk_image("disk.d64");
  std::vector<uint8_t> image(static_cast<size_t>(d81_kind.image_size));
  const std::vector<d64_file> files = {{"KOALA", 0x82, koala}};
  ASSERT_TRUE(build_disk_image(d81_kind, "BIG", "ID", files, image).ok);
  write_file_bytes(dir / "big.d81", image);
  EXPECT_EQ(run(run_info_command, {at("disk.d64"), at("big.d81")}), 0) << err;
  EXPECT_EQ(out, at("disk.d64") + "\t174848\t0\tD64 35 tracks\t5\t2\n" + at("big.d81") +
                     "\t819200\t0\tD81\t1\t1\n");
}

// One line per format, from the table itself; the lines of a plain, a packed and a two-frame
// format spelled out.
TEST_F(InfoCommand, FormatsPrintsTheTable) {
  EXPECT_EQ(run(run_formats_command, {}), 0);
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(out.substr(at, end - at));
  ASSERT_EQ(lines.size(), format_table.size());
  for (const std::string& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6);
  EXPECT_EQ(lines[0], "1\tGun Paint interlace 320x200\t33602,33603\t$4000\tgun,ifl\tno\t2");
  EXPECT_EQ(lines[17],
            "18\tKoala Painter 160x200\t10003,10006,10001 without load address\t$6000,$4400\t"
            "koa,kla,koala,gig\tno\t1");
  EXPECT_EQ(lines[38], "39\tDoodle JJ 320x200\tany\t$5C00\tjj\tunpacks to 9026,9218\t1");
  EXPECT_EQ(run(run_formats_command, {"extra"}), 2);
  EXPECT_NE(err.find("usage: velora2003 formats"), std::string::npos);
}

}  // namespace
