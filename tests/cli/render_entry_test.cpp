#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli_fixture.h"

namespace {

class RenderEntry : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    disk_image("disk.d64");
  }
  int render_interlaced(const std::string& input, const std::string& output,
                        const std::string& frame = "a") {
    return render({at(input), "-o", at(output), "--mode", "interlaced", "--frame", frame});
  }
};

TEST_F(RenderEntry, EntryRendersAsTheSameHostFile) {
  // Named as the entry's caption shows it, so both captions match.
  std::string host_name = "\x01SUN*SET";
  host_name.resize(16, ' ');
  write_file_bytes(dir / host_name, interlace);
  for (const std::string frame : {"a", "b"}) {
    ASSERT_EQ(render_interlaced("disk.d64:3", "entry.bmp", frame), 0);
    ASSERT_EQ(render_interlaced(host_name, "host.bmp", frame), 0);
    const auto entry = read_file_bytes(dir / "entry.bmp");
    EXPECT_EQ(entry.size(), 1440054u);
    EXPECT_TRUE(entry == read_file_bytes(dir / "host.bmp")) << "frame " << frame;
  }
}

TEST_F(RenderEntry, OtherEntriesCannotBeShown) {
  EXPECT_EQ(render_interlaced("disk.d64:0", "seq.bmp"), 1);    // not a PRG
  EXPECT_EQ(render_interlaced("disk.d64:2", "basic.bmp"), 1);  // no format loads there
  EXPECT_EQ(render_interlaced("disk.d64:5", "none.bmp"), 1);   // no such entry
  EXPECT_EQ(render_interlaced("other.d64:0", "gone.bmp"), 1);  // no such image
  EXPECT_EQ(render_interlaced("disk.d64", "whole.bmp"), 1);    // the image, not an entry
  EXPECT_NE(err.find("disk.d64: is a disk image: name one of its pictures as "), std::string::npos)
      << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "seq.bmp"));
}

// The issue of a damaged disk: the Koala picture's 39th sector links off the 35-track disk.
TEST_F(RenderEntry, BrokenChainIsListedAsBrokenAndRefused) {
  std::vector<uint8_t> image = read_file_bytes(dir / "disk.d64");
  const uint8_t* directory = image.data() + d64_kind.sector_offset(18, 1);
  int track = directory[32 + 3], sector = directory[32 + 4];
  for (int k = 1; k < 39; ++k) {
    const uint8_t* link = image.data() + d64_kind.sector_offset(track, sector);
    track = link[0];
    sector = link[1];
  }
  uint8_t* last = image.data() + d64_kind.sector_offset(track, sector);
  last[0] = 36;
  last[1] = 98;
  write_file_bytes(dir / "broken.d64", image);

  ASSERT_EQ(run(run_list_command, {at("broken.d64")}), 0);
  EXPECT_NE(out.find("1\tKOALA PIC       \tPRG<\t9906\t\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\tPRG\t19434\t"), std::string::npos) << "sound rows keep their shape";
  const std::string why =
      "the file's sector chain breaks after 9,906 bytes: it links to track 36, sector 98, "
      "which is not on the disk";
  EXPECT_EQ(render_interlaced("broken.d64:1", "broken.bmp"), 1);
  EXPECT_NE(err.find("broken.d64:1: " + why), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "broken.bmp"));
  EXPECT_EQ(render({at("broken.d64"), "-o", at("all") + "/"}), 1);
  EXPECT_NE(err.find("skipped " + at("broken.d64") + ":1: " + why), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "all" / "broken-01-KOALA_PIC.bmp"));
}

TEST_F(RenderEntry, D81OfMoreThan145FilesListsAllAndRendersTheLast) {
  std::vector<d64_file> files(200, {"FILLER", 0x81, odd});
  files.push_back({"KOALA PIC", 0x82, koala});
  std::vector<uint8_t> image(static_cast<size_t>(d81_kind.image_size));
  ASSERT_TRUE(build_disk_image(d81_kind, "BIG", "ID", files, image).ok);
  write_file_bytes(dir / "big.d81", image);
  ASSERT_EQ(run(run_list_command, {at("big.d81")}), 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 201);
  EXPECT_EQ(render_interlaced("big.d81:200", "last.bmp"), 0) << err;
}

}  // namespace
