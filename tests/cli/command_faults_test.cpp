// The command line against what a hostile folder or user gives it: files that are not regular
// files, an output that is an input, existing files in a batch's folder, signals, odd names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "base/quit_signal.h"
#include "cli_fixture.h"

namespace {

namespace fs = std::filesystem;

using CommandFaults = CliTest;

TEST_F(CommandFaults, WhatIsNotARegularFileIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(at("x.vic").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(at("f.d64").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(at("p.cfg").c_str(), 0600), 0);
  picture("koala.pic", 10018);
  EXPECT_EQ(render({"x.vic", "-o", "o.bmp"}), 1);
  EXPECT_NE(err.find("is not a regular file"), std::string::npos) << err;
  EXPECT_EQ(run(run_info_command, {"x.vic"}), 1);
  EXPECT_EQ(run(run_list_command, {"f.d64"}), 1);
  EXPECT_EQ(render({"f.d64:0", "-o", "o.bmp"}), 1);
  EXPECT_EQ(render({"koala.pic", "-o", "o.bmp", "--palette", "p.cfg"}), 2);
  // A batch converts the rest.
  EXPECT_EQ(render({"x.vic", "koala.pic", "-o", "out/"}), 1);
  EXPECT_TRUE(fs::exists(dir / "out/koala.bmp"));
}

TEST_F(CommandFaults, APaletteThatNeverEndsIsReadTo64KiB) {
  picture("koala.pic", 10018);
  fs::create_symlink("/dev/zero", dir / "z.cfg");
  EXPECT_EQ(render({"koala.pic", "-o", "o.bmp", "--palette", "z.cfg"}), 2);
  std::string endless(1 << 20, ' ');
  endless.replace(0, 9, "$0=FFFFFF");
  write_file_bytes(dir / "big.cfg", std::vector<uint8_t>(endless.begin(), endless.end()));
  EXPECT_EQ(render({"koala.pic", "-o", "o.bmp", "--palette", "big.cfg"}), 0) << err;
}

TEST_F(CommandFaults, AnOutputThatIsAnInputIsRefusedAndTheInputKept) {
  picture("pic.bmp", 10018);
  fs::create_symlink("pic.bmp", dir / "link.bmp");
  EXPECT_EQ(render({"pic.bmp", "-o", "pic.bmp"}), 1);
  EXPECT_EQ(render({"pic.bmp", "-o", "link.bmp"}), 1);
  EXPECT_NE(err.find("is the input file"), std::string::npos) << err;
  fs::create_directory(dir / "out");
  fs::copy_file(dir / "pic.bmp", dir / "out/pic.bmp");
  EXPECT_EQ(render({"out/pic.bmp", "-o", "out/", "--overwrite"}), 1);
  EXPECT_EQ(read_file_bytes(dir / "pic.bmp"), counting_bytes(10018));
  EXPECT_EQ(read_file_bytes(dir / "out/pic.bmp"), counting_bytes(10018));
}

TEST_F(CommandFaults, ABatchLeavesExistingFilesUnlessTold) {
  picture("a.vic", 10018, 1);
  picture("b.vic", 10018, 2);
  fs::create_directory(dir / "out");
  write_file_bytes(dir / "out/a.bmp", std::vector<uint8_t>{1, 2, 3});
  EXPECT_EQ(render({"a.vic", "b.vic", "-o", "out/"}), 1);
  EXPECT_NE(err.find("left alone " + std::string("out/a.bmp")), std::string::npos) << err;
  EXPECT_EQ(read_file_bytes(dir / "out/a.bmp"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_TRUE(fs::exists(dir / "out/b.bmp"));
  EXPECT_EQ(render({"a.vic", "b.vic", "-o", "out/", "--overwrite"}), 0) << err;
  EXPECT_EQ(fs::file_size(dir / "out/a.bmp"), 1440054u);
  // A single render replaces the file it was told to write.
  EXPECT_EQ(render({"b.vic", "-o", "out/a.bmp"}), 0);
}

TEST_F(CommandFaults, BatchFilesAreCreatedUnderTheUmask) {
  for (int k = 0; k < 8; ++k) picture("p" + std::to_string(k) + ".vic", 10018, k);
  const mode_t old = ::umask(027);
  const int status = render({"p0.vic", "p1.vic", "p2.vic", "p3.vic", "p4.vic", "p5.vic", "p6.vic",
                             "p7.vic", "-o", "out/", "-j4"});
  ::umask(old);
  ASSERT_EQ(status, 0) << err;
  for (const auto& entry : fs::directory_iterator(dir / "out"))
    EXPECT_EQ(fs::status(entry).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << entry.path();
}

TEST_F(CommandFaults, ASignalStopsTheBatchWithItsExitStatusAndNoTemporaryFile) {
  for (int k = 0; k < 6; ++k) picture("p" + std::to_string(k) + ".vic", 10018, k);
  EXPECT_EXIT(
      {
        install_quit_signal_handlers();
        std::raise(SIGTERM);
        std::exit(render(
            {"p0.vic", "p1.vic", "p2.vic", "p3.vic", "p4.vic", "p5.vic", "-o", "out/", "-j", "1"}));
      },
      testing::ExitedWithCode(143), "");
  for (const auto& entry : fs::directory_iterator(dir / "out"))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".velora2003"));
}

TEST_F(CommandFaults, NamesAreEscapedAndOptionsEndAtTwoDashes) {
  const std::string odd = "a\\b\nc\td.pic";
  picture(odd, 10018);
  picture("-dash.vic", 10018);
  EXPECT_EQ(run(run_info_command, {"--", odd, "-dash.vic"}), 0) << err;
  EXPECT_EQ(out,
            "a\\x5Cb\\x0Ac\\x09d.pic\t10018\t14\tAdvanced Art Studio 160x200\n"
            "-dash.vic\t10018\t14\tAdvanced Art Studio 160x200\n");
  EXPECT_EQ(render({"-o", "dash.bmp", "--", "-dash.vic"}), 0) << err;
}

// A name that would set the terminal's title, clear its screen and split the summary's lines
// reaches the terminal escaped from every command that prints it.
TEST_F(CommandFaults, HostileNamesReachTheTerminalEscaped) {
  const std::string bad = "e\x1b]0;PWNED\x07\x1b[2J\n.koa", good = "g\x1b[2J.koa";
  const std::string shown = "e\\x1B]0;PWNED\\x07\\x1B[2J\\x0A.koa";
  picture(bad, 500);
  picture(good, 10003);
  fs::create_directory(dir / "out");
  write_file_bytes(dir / "out" / "g\x1b[2J.bmp", std::vector<uint8_t>{1});
  auto expect_escaped = [this](const std::string& message) {
    EXPECT_EQ(err.find('\x07'), std::string::npos) << message;
    EXPECT_EQ(err.find("\x1b]"), std::string::npos) << message;
    EXPECT_EQ(err.find("\x1b[2J"), std::string::npos) << message;
  };
  EXPECT_EQ(render({bad, "-o", "o.bmp"}), 1);
  EXPECT_EQ(err, "velora2003: render: " + shown + ": a size of 500 bytes names no format\n");
  EXPECT_EQ(run([](auto views, console& io) { return run_thumbnail_command(views, "", io); },
                {bad, "o.png"}),
            1);
  EXPECT_NE(err.find("thumbnail: " + shown + ": "), std::string::npos) << err;
  EXPECT_EQ(render({good, "-o", "no-dir/" + bad + ".bmp"}), 1);
  EXPECT_NE(err.find("Cannot create file no-dir/" + shown), std::string::npos) << err;

  captured_console terminal;
  terminal.io.err_is_terminal = true;
  const std::vector<std::string_view> batch = {bad, good, "-o", "out"};
  EXPECT_EQ(run_render_command(batch, VELORA_DATA_DIR, terminal.io), 1);
  err = terminal.err();
  expect_escaped("the batch's progress and summary");
  EXPECT_NE(err.find("] " + shown), std::string::npos) << err;
  EXPECT_NE(err.find("  skipped " + shown + ": "), std::string::npos) << err;
  EXPECT_NE(err.find("  left alone out/g\\x1B[2J.bmp: "), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 4) << err;
}

TEST_F(CommandFaults, AFileNamedLikeAnEntryIsThatFileAndWriteFailuresSayWhy) {
  picture("x.d64:1", 10018);
  EXPECT_EQ(render({"x.d64:1", "-o", "o.bmp"}), 0) << err;
  EXPECT_EQ(render({"x.d64:1", "-o", "no-dir/o.bmp"}), 1);
  EXPECT_NE(err.find("Cannot create file no-dir/o.bmp: No such file or directory"),
            std::string::npos)
      << err;
}

}  // namespace
