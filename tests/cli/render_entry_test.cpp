#include <gtest/gtest.h>

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

}  // namespace
