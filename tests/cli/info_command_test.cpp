#include <gtest/gtest.h>

#include <string>

#include "cli_fixture.h"

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

}  // namespace
