#pragma once
// The subcommands run in this process inside a fresh current folder, out of reach of the user's
// palette file, with what they wrote kept; picture files whose bytes tell their offsets apart,
// and a disk image of pictures.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/render_job.h"
#include "support/captured_console.h"
#include "support/d64_image.h"
#include "support/files.h"
#include "support/temp_folder.h"

class CliTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(setenv("XDG_CONFIG_HOME", at("config").c_str(), 1), 0); }

  std::string at(const std::string& name) const { return dir.at(name); }
  void picture(const std::string& name, size_t size, unsigned seed = 0) {
    write_file_bytes(dir / name, counting_bytes(size, seed));
  }
  // Entries: 0 a SEQ file, 1 a koala picture, 2 a picture's size at a load address that no
  // format of that size has, 3 a two-frame picture with a name that needs cleaning, 4 a file
  // whose size names nothing.
  void disk_image(const std::string& name) {
    const std::vector<d64_file> files = {{"NOTES", 0x81, koala},
                                         {"KOALA PIC", 0x82, koala},
                                         {"BASIC", 0x82, misplaced},
                                         {"\x01SUN*SET ", 0x82, interlace},
                                         {"ODD", 0x82, odd}};
    write_file_bytes(dir / name, d64_image_of(files, "BATCH"));
  }

  // Runs a subcommand on the arguments and keeps what it wrote.
  template <typename Command>
  int run(Command command, const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    captured_console console;
    const int status = command(views, console.io);
    out = console.out();
    err = console.err();
    return status;
  }
  int render(const std::vector<std::string>& args) {
    return run(
        [](auto views, console& io) { return run_render_command(views, VELORA_DATA_DIR, io); },
        args);
  }

  // What one render of the input on its own writes to the file name, from a fresh workspace.
  std::vector<uint8_t> single(const std::string& input, const std::string& name,
                              const render_settings& settings = {}) {
    const auto work = std::make_unique<render_workspace>();
    EXPECT_TRUE(render_to_file(input, at(name), *image_kind_of(name), settings, *work).ok());
    return read_file_bytes(dir / name);
  }

  temp_folder dir{temp_folder::current::enter};
  std::string out, err;  // what the last subcommand wrote
  const std::vector<uint8_t> koala = counting_bytes(10018, 11);
  // A Koala Painter file's size, loaded at $0801.
  const std::vector<uint8_t> misplaced = [] {
    std::vector<uint8_t> bytes = counting_bytes(10003, 13);
    bytes[0] = 0x01;
    bytes[1] = 0x08;
    return bytes;
  }();
  const std::vector<uint8_t> interlace = counting_bytes(19434, 12);
  const std::vector<uint8_t> odd = counting_bytes(500, 14);
};
