// The render command with several inputs or an output folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/batch_render.h"
#include "cli_fixture.h"
#include "formats/format_table.h"
#include "sample_formats.h"
#include "support/sync_counter.h"

namespace {

using RenderBatchCommand = CliTest;

TEST_F(RenderBatchCommand, SeveralInputsGoIntoTheFolderWithASummary) {
  picture("one.vic", 10018, 1);
  picture("two.vic", 17409, 2);
  ASSERT_EQ(render({at("one.vic"), at("two.vic"), "-o", at("out/new/")}), 0) << err;
  EXPECT_TRUE(read_file_bytes(dir / "out/new/one.bmp") == single(at("one.vic"), "e1.bmp"));
  EXPECT_TRUE(read_file_bytes(dir / "out/new/two.bmp") == single(at("two.vic"), "e2.bmp"));
  EXPECT_EQ(err, "velora2003: render: 2 done, 0 skipped\n");
}

// A batch syncs its file system once at the end instead of each file; a single render syncs
// the one file it wrote.
TEST_F(RenderBatchCommand, SyncsOnceAtTheEnd) {
  for (int k = 0; k < 3; ++k) picture("p" + std::to_string(k) + ".vic", 10018, k);
  const sync_counts before = sync_calls();
  ASSERT_EQ(render({"p0.vic", "p1.vic", "p2.vic", "-o", "out/", "-j", "2"}), 0) << err;
  const sync_counts batch = sync_calls();
  EXPECT_EQ(batch.file_syncs, before.file_syncs);
  EXPECT_EQ(batch.file_system_syncs, before.file_system_syncs + 1);
  ASSERT_EQ(render({"p0.vic", "-o", "one.bmp"}), 0) << err;
  EXPECT_EQ(sync_calls().file_syncs, batch.file_syncs + 1);
}

// Asked for more workers than it can run, a batch says once what it runs, and renders all.
TEST_F(RenderBatchCommand, MoreWorkersThanCpusAreCutToTheCpus) {
  for (int k = 0; k < 3; ++k) picture("p" + std::to_string(k) + ".vic", 10018, k);
  const unsigned cpus = batch_workers(0, available_cpus());
  ASSERT_EQ(render({"p0.vic", "p1.vic", "p2.vic", "-o", "out/", "-j", "256"}), 0) << err;
  const std::string note = "velora2003: render: -j 256: " + std::to_string(cpus) +
                           (cpus == 1 ? " worker, " : " workers, ");
  EXPECT_EQ(err.rfind(note, 0), 0u) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_NE(err.find("3 done, 0 skipped"), std::string::npos) << err;
  ASSERT_EQ(render({"p0.vic", "-o", "again/", "-j", std::to_string(cpus)}), 0) << err;
  EXPECT_EQ(err, "velora2003: render: 1 done, 0 skipped\n");
}

TEST_F(RenderBatchCommand, BadInputIsReportedAndTheOthersStillConvert) {
  picture("good.vic", 10018, 1);
  picture("short.vic", 100, 2);
  std::filesystem::create_directories(dir / "folder");
  ASSERT_EQ(render({at("short.vic"), at("folder"), at("good.vic"), "-o", at("out/")}), 1);
  EXPECT_TRUE(read_file_bytes(dir / "out/good.bmp") == single(at("good.vic"), "e.bmp"));
  EXPECT_NE(err.find("1 done, 2 skipped"), std::string::npos) << err;
  EXPECT_NE(err.find("skipped " + at("short.vic") + ": a size of 100 bytes names no format"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("skipped " + at("folder") + ": is a directory"), std::string::npos) << err;
  // Not a terminal: no progress lines.
  EXPECT_EQ(err.find('['), std::string::npos) << err;
}

TEST_F(RenderBatchCommand, ExistingFolderWithoutSlashAndPngFormat) {
  picture("one.vic", 19434, 1);
  std::filesystem::create_directories(dir / "out");
  ASSERT_EQ(render({at("one.vic"), "-o", at("out"), "--format", "png", "--mode", "interlaced",
                    "--frame", "b"}),
            0)
      << err;
  render_settings settings;
  settings.crt.display_mode = display_interlaced;
  settings.frame = render_target::b;
  EXPECT_TRUE(read_file_bytes(dir / "out/one.png") == single(at("one.vic"), "e.png", settings));
}

TEST_F(RenderBatchCommand, WholeDiskImage) {
  disk_image("disk.d64");
  ASSERT_EQ(render({at("disk.d64"), "-o", at("out/")}), 0) << err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out/disk-01-KOALA_PIC.bmp"));
  EXPECT_TRUE(std::filesystem::exists(dir / "out/disk-03-SUN_SET.bmp"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"), {}), 2);
  EXPECT_EQ(err, "velora2003: render: 2 done, 0 skipped\n");
}

// Every packed sample on disk images (two: they do not fit on one): the list names each one's
// format, told by its mark or by unpacking, and a batch of the image renders them all.
TEST_F(RenderBatchCommand, DiskImagesOfEveryPackedSample) {
  static sample_workspace work;
  std::array<std::vector<std::vector<uint8_t>>, 2> files;
  std::array<std::vector<std::string_view>, 2> names;
  for (const sample_format& sample : sample_formats) {
    const format_entry& format = *format_by_id(sample.format_id);
    if (format.pack == packing::none) continue;
    const uint32_t size = make_sample(sample, work);
    const size_t disk = (files[0].size() + files[1].size()) % 2;
    files[disk].emplace_back(work.file.bytes.begin(), work.file.bytes.begin() + size);
    names[disk].push_back(format.name);
  }
  for (size_t disk = 0; disk < 2; ++disk) {
    std::vector<d64_file> entries;
    for (size_t k = 0; k < files[disk].size(); ++k)
      entries.push_back({"PACKED " + std::to_string(k), 0x82, files[disk][k]});
    const std::string image = at("packed" + std::to_string(disk) + ".d64");
    write_file_bytes(image, d64_image_of(entries, "PACKED"));
    ASSERT_EQ(run(run_list_command, {image}), 0) << err;
    std::istringstream lines(out);
    std::string line;
    for (const std::string_view name : names[disk]) {
      ASSERT_TRUE(std::getline(lines, line));
      EXPECT_TRUE(line.ends_with("\t" + std::string(name))) << line;
    }
    ASSERT_EQ(render({image, "-o", at("out/")}), 0) << err;
    EXPECT_EQ(err,
              "velora2003: render: " + std::to_string(files[disk].size()) + " done, 0 skipped\n");
  }
}

TEST_F(RenderBatchCommand, PaletteFileAppliesToEveryPicture) {
  picture("one.vic", 10018, 1);
  std::ofstream(dir / "warm.cfg") << "$0=FF0000$1=00FF00";
  ASSERT_EQ(render({at("one.vic"), "-o", at("out/"), "--palette", at("warm.cfg")}), 0) << err;
  render_settings settings;
  settings.palette[0] = 0x0000FF;
  settings.palette[1] = 0x00FF00;
  EXPECT_TRUE(read_file_bytes(dir / "out/one.bmp") == single(at("one.vic"), "e.bmp", settings));
}

TEST_F(RenderBatchCommand, UserPaletteFileIsTheFallback) {
  picture("one.vic", 10018, 1);
  std::filesystem::create_directories(dir / "config/velora2003");
  std::ofstream(dir / "config/velora2003/Velora2003.cfg") << "$0=123456";
  ASSERT_EQ(render({at("one.vic"), "-o", at("one.bmp")}), 0) << err;
  render_settings settings;
  settings.palette[0] = 0x563412;
  EXPECT_TRUE(read_file_bytes(dir / "one.bmp") == single(at("one.vic"), "e.bmp", settings));
}

}  // namespace
