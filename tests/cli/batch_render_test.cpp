#include "cli/batch_render.h"

#include "cli_fixture.h"

namespace {

TEST(SanitisedEntryName, KeepsLettersDigitsDashesAndDots) {
  EXPECT_EQ(sanitised_entry_name("KOALA PIC       "), "KOALA_PIC");
  EXPECT_EQ(sanitised_entry_name("\x01SUN*SET "), "SUN_SET");
  EXPECT_EQ(sanitised_entry_name("a/b\\c"), "a_b_c");
  EXPECT_EQ(sanitised_entry_name("..HIDDEN.."), "HIDDEN");
  EXPECT_EQ(sanitised_entry_name("PIC-2.V1"), "PIC-2.V1");
  EXPECT_EQ(sanitised_entry_name("\xA0\xA0"), "entry");
  EXPECT_EQ(sanitised_entry_name(".."), "entry");
  EXPECT_EQ(sanitised_entry_name(""), "entry");
}

TEST(BatchWorkers, AsManyAsAskedButNoMoreThanTheCpusNorTheMost) {
  EXPECT_EQ(batch_workers(0, 4), 4u);
  EXPECT_EQ(batch_workers(3, 4), 3u);
  EXPECT_EQ(batch_workers(256, 2), 2u);
  EXPECT_EQ(batch_workers(0, 0), 1u);
  EXPECT_EQ(batch_workers(256, 128), most_batch_workers);
  EXPECT_EQ(batch_workers(0, 128), most_batch_workers);
}

using BatchPlan = CliTest;

TEST_F(BatchPlan, HostFilesAreNamedAfterTheInputWithTheOutputsExtension) {
  const std::vector<std::string> inputs = {"a/pic.vic", "b/pic.vic", "noext", "c/two.dots.vic"};
  const batch_plan plan = plan_batch(inputs, at("out"), image_kind::png);
  ASSERT_EQ(plan.items.size(), 4u);
  EXPECT_TRUE(plan.skipped.empty());
  EXPECT_EQ(plan.items[0].output, at("out/pic.png"));
  EXPECT_EQ(plan.items[1].output, at("out/pic-2.png"));
  EXPECT_EQ(plan.items[2].output, at("out/noext.png"));
  EXPECT_EQ(plan.items[3].output, at("out/two.dots.png"));
  EXPECT_EQ(plan.items[1].input, "b/pic.vic");
  EXPECT_EQ(plan_batch(inputs, at("out") + "/", image_kind::bmp).items[0].output,
            at("out/pic.bmp"));
}

TEST_F(BatchPlan, WholeImageYieldsItsShowablePictures) {
  disk_image("Disk.D64");
  const std::vector<std::string> inputs = {at("Disk.D64")};
  const batch_plan plan = plan_batch(inputs, at("out"), image_kind::bmp);
  EXPECT_TRUE(plan.skipped.empty());
  ASSERT_EQ(plan.items.size(), 2u);
  EXPECT_EQ(plan.items[0].input, at("Disk.D64") + ":1");
  EXPECT_EQ(plan.items[0].output, at("out/Disk-01-KOALA_PIC.bmp"));
  EXPECT_EQ(plan.items[1].input, at("Disk.D64") + ":3");
  EXPECT_EQ(plan.items[1].output, at("out/Disk-03-SUN_SET.bmp"));
}

TEST_F(BatchPlan, EntriesThatCannotBeRenderedAreSkippedWithAReason) {
  disk_image("disk.d64");
  write_file_bytes(dir / "empty.d64", std::vector<uint8_t>(10));
  const std::vector<std::string> inputs = {at("disk.d64:0"), at("disk.d64:3"), at("disk.d64:40"),
                                           at("empty.d64"), at("gone.d64:1")};
  const batch_plan plan = plan_batch(inputs, at("out"), image_kind::bmp);
  ASSERT_EQ(plan.items.size(), 1u);
  EXPECT_EQ(plan.items[0].output, at("out/disk-03-SUN_SET.bmp"));
  ASSERT_EQ(plan.skipped.size(), 4u);
  EXPECT_EQ(plan.skipped[0].input, at("disk.d64:0"));
  EXPECT_NE(plan.skipped[0].reason.find("not a PRG"), std::string::npos);
  EXPECT_NE(plan.skipped[1].reason.find("no entry 40"), std::string::npos);
  EXPECT_EQ(plan.skipped[2].input, at("empty.d64"));
  EXPECT_NE(plan.skipped[2].reason.find("not a disk image's size"), std::string::npos);
  EXPECT_NE(plan.skipped[3].reason.find("No such file"), std::string::npos);
}

TEST_F(BatchPlan, ImageWithoutPicturesIsSkipped) {
  const std::vector<uint8_t> text(300, 'x');
  const std::vector<d64_file> files = {{"README", 0x81, text}};
  write_file_bytes(dir / "text.d64", d64_image_of(files, "TEXT"));
  const std::vector<std::string> inputs = {at("text.d64")};
  const batch_plan plan = plan_batch(inputs, at("out"), image_kind::bmp);
  EXPECT_TRUE(plan.items.empty());
  ASSERT_EQ(plan.skipped.size(), 1u);
  EXPECT_NE(plan.skipped[0].reason.find("no picture"), std::string::npos);
}

using BatchRun = CliTest;

TEST_F(BatchRun, FolderWithABadFileConvertsTheRestLikeSingleRenders) {
  picture("one.vic", 10018, 1);    // koala
  picture("two.vic", 19434, 2);    // two frames
  picture("bad.vic", 10000, 3);    // a size that names nothing
  picture("three.vic", 17409, 4);  // FLI
  picture("four.vic", 10018, 5);
  const std::vector<std::string> inputs = {at("one.vic"),   at("two.vic"),     at("bad.vic"),
                                           at("three.vic"), at("missing.vic"), at("four.vic")};
  std::filesystem::create_directories(dir / "out");
  render_settings settings;
  settings.crt.display_mode = display_interlaced;
  settings.frame = render_target::b;
  for (const unsigned threads : {1u, 2u}) {
    const batch_plan plan = plan_batch(inputs, at("out"), image_kind::bmp);
    std::vector<size_t> finished;
    const batch_report report =
        run_batch(plan, {.kind = image_kind::bmp, .render = settings, .workers = threads},
                  [&](size_t done, size_t total, const std::string&) {
                    EXPECT_EQ(total, 6u);
                    finished.push_back(done);
                  });
    EXPECT_EQ(report.done, 4u);
    ASSERT_EQ(report.failed.size(), 2u);
    EXPECT_EQ(report.failed[0].input, at("bad.vic"));
    EXPECT_NE(report.failed[0].reason.find("names no format"), std::string::npos);
    EXPECT_EQ(report.failed[1].input, at("missing.vic"));
    EXPECT_EQ(finished, (std::vector<size_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/bad.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/missing.bmp"));
    for (const std::string name : {"one", "two", "three", "four"}) {
      const std::vector<uint8_t> batch = read_file_bytes(dir / "out" / (name + ".bmp"));
      EXPECT_EQ(batch.size(), 1440054u) << name;
      EXPECT_TRUE(batch == single(at(name + ".vic"), "single.bmp", settings))
          << name << " with " << threads << " threads";
    }
    std::filesystem::remove_all(dir / "out");
    std::filesystem::create_directories(dir / "out");
  }
}

TEST_F(BatchRun, DiskImageEntriesRenderLikeTheirSingleRenders) {
  disk_image("disk.d64");
  std::filesystem::create_directories(dir / "out");
  const std::vector<std::string> inputs = {at("disk.d64")};
  const batch_plan plan = plan_batch(inputs, at("out"), image_kind::png);
  const batch_report report =
      run_batch(plan, {.kind = image_kind::png, .render = {}, .workers = 2}, nullptr);
  EXPECT_EQ(report.done, 2u);
  EXPECT_TRUE(report.failed.empty());
  EXPECT_TRUE(read_file_bytes(dir / "out/disk-01-KOALA_PIC.png") ==
              single(at("disk.d64:1"), "k.png"));
  EXPECT_TRUE(read_file_bytes(dir / "out/disk-03-SUN_SET.png") ==
              single(at("disk.d64:3"), "s.png"));
}

}  // namespace
