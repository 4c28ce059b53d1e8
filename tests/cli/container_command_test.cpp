#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "support/archive_maker.h"
#include "support/t64_image.h"

namespace {

class ContainerCommand : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    disk_image("disk.d64");
    const std::vector<uint8_t> tape_data(koala.begin() + 2, koala.end());
    pc64 = {'C', '6', '4', 'F', 'i', 'l', 'e', 0, 'P', 'C', ' ', 'P', 'I', 'C'};
    pc64.resize(26, 0);
    pc64.insert(pc64.end(), koala.begin(), koala.end());
    write_file_bytes(dir / "pic.p00", pc64);
    write_file_bytes(dir / "tape.t64",
                     t64_image_of(std::vector<tape_file>{{"TAPE PIC", tape_data, 0x6000}}));
    const std::vector<archived> files = {
        {"pics/koala.vic", koala},
        {"disk.d64", read_file_bytes(dir / "disk.d64")},
        {"tape.t64", read_file_bytes(dir / "tape.t64")},
        {"pic.p00", pc64},
    };
    write_file_bytes(dir / "c.zip", make_archive(archive_form::zip, files));
    write_file_bytes(dir / "disk.d64.gz",
                     make_archive(archive_form::gz, std::span(files).subspan(1, 1)));
    write_file_bytes(dir / "koala.vic", koala);
  }
  std::vector<uint8_t> rendered(const std::string& input) {
    EXPECT_EQ(render({input, "-o", at("out.bmp")}), 0) << input << ": " << err;
    return read_file_bytes(dir / "out.bmp");
  }
  std::vector<uint8_t> pc64;
};

TEST_F(ContainerCommand, ListShowsArchivesTapesPc64FilesAndGzippedDisksAsDisksAreShown) {
  ASSERT_EQ(run(run_list_command, {"c.zip"}), 0) << err;
  EXPECT_EQ(out,
            "0\tpics/koala.vic\t<File>\t10018\tAdvanced Art Studio 160x200\n"
            "1\tdisk.d64\t<D64>\t\t\n"
            "2\ttape.t64\t<T64>\t\t\n"
            "3\tpic.p00\t<PC64>\t10018\tAdvanced Art Studio 160x200\n");
  ASSERT_EQ(run(run_list_command, {"tape.t64"}), 0);
  EXPECT_EQ(out, "0\tTAPE PIC        \tPRG\t10018\tAdvanced Art Studio 160x200\n");
  ASSERT_EQ(run(run_list_command, {"pic.p00"}), 0);
  EXPECT_EQ(out, "0\tPC PIC          \tPRG\t10018\tAdvanced Art Studio 160x200\n");
  ASSERT_EQ(run(run_list_command, {"disk.d64"}), 0);
  const std::string disk_rows = out;
  ASSERT_EQ(run(run_list_command, {"disk.d64.gz"}), 0);
  EXPECT_EQ(out, disk_rows);
  ASSERT_EQ(run(run_list_command, {"c.zip:1"}), 0);
  EXPECT_EQ(out, disk_rows);
}

TEST_F(ContainerCommand, EntriesRenderAsTheSameFileOnTheHost) {
  const std::vector<uint8_t> host = rendered("koala.vic");
  EXPECT_TRUE(rendered("c.zip:0") == host);
  // Inside a disk image or a tape a picture is named by its C64 name; the picture is the same.
  const std::vector<uint8_t> entry = rendered("disk.d64:1");
  for (const std::string input : {"c.zip:1:1", "disk.d64.gz:1"})
    EXPECT_TRUE(rendered(input) == entry) << input;
  EXPECT_TRUE(rendered("tape.t64:0") == rendered("c.zip:2:0"));
  EXPECT_TRUE(rendered("c.zip:3") == rendered("pic.p00"));
  ASSERT_EQ(run(run_info_command, {"c.zip:0", "pic.p00", "c.zip:1:1"}), 0) << err;
  EXPECT_EQ(out,
            "c.zip:0\t10018\t14\tAdvanced Art Studio 160x200\n"
            "pic.p00\t10018\t14\tAdvanced Art Studio 160x200\n"
            "c.zip:1:1\t10018\t14\tAdvanced Art Studio 160x200\n");
}

// ".p64" names both PC64 files and Picasso 64 pictures: the header tells them apart.
TEST_F(ContainerCommand, APicasso64PictureIsNoPc64File) {
  const std::vector<uint8_t> picasso =
      read_file_bytes(std::string(VELORA_SAMPLES_DIR) + "/formats/picasso-64.p64");
  write_file_bytes(dir / "picasso.p64", picasso);
  write_file_bytes(dir / "p.zip", make_archive(archive_form::zip,
                                               std::vector<archived>{{"picasso.p64", picasso}}));
  ASSERT_EQ(run(run_info_command, {"picasso.p64"}), 0) << err;
  const std::string format = out.substr(out.rfind('\t') + 1);
  EXPECT_NE(format, "Unknown VELORA format\n");
  ASSERT_EQ(run(run_list_command, {"p.zip"}), 0) << err;
  EXPECT_EQ(out, "0\tpicasso.p64\t<File>\t" + std::to_string(picasso.size()) + "\t" + format);
  EXPECT_TRUE(rendered("p.zip:0") == rendered("picasso.p64"));
}

TEST_F(ContainerCommand, WholeContainersAreRefusedAsPicturesAndNamedAsEntries) {
  EXPECT_EQ(render({"c.zip", "-o", at("x.bmp")}), 1);
  EXPECT_NE(err.find("c.zip: is an archive: name one of its pictures as c.zip:N"),
            std::string::npos)
      << err;
  EXPECT_EQ(render({"c.zip:1", "-o", at("x.bmp")}), 1);
  EXPECT_NE(err.find("is a disk image: name one of its pictures as c.zip:1:N"), std::string::npos)
      << err;
  EXPECT_EQ(render({"c.zip:9", "-o", at("x.bmp")}), 1);
  EXPECT_EQ(render({"c.zip:0:0", "-o", at("x.bmp")}), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
}

TEST_F(ContainerCommand, ABatchOfAContainerRendersEveryPictureInsideUnderNamesKeptApart) {
  ASSERT_EQ(render({"c.zip", "-o", at("out") + "/", "--format", "png"}), 0) << err;
  std::vector<std::string> names;
  for (const auto& file : std::filesystem::directory_iterator(dir / "out"))
    names.push_back(file.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"c-00-koala.png", "c-01-disk-01-KOALA_PIC.png",
                                             "c-01-disk-03-SUN_SET.png",
                                             "c-02-tape-00-TAPE_PIC.png", "c-03-pic.png"}));
}

TEST_F(ContainerCommand, HostileArchivesAreListedEscapedAndExitOne) {
  const std::vector<archived> odd = {
      {"ok.vic", koala}, {"../up.vic", koala}, {"ctl\x1B[2J.vic", koala}, {"bad\xFF.vic", koala}};
  write_file_bytes(dir / "odd.zip", make_archive(archive_form::zip, odd));
  EXPECT_EQ(run(run_list_command, {"odd.zip"}), 1);
  EXPECT_NE(out.find("2\tctl\\x1B[2J.vic\t"), std::string::npos) << out;
  EXPECT_NE(out.find("3\tbad\\xFF.vic\t"), std::string::npos) << out;
  EXPECT_NE(err.find("entry \"../up.vic\" has a name that is no plain path"), std::string::npos);
  EXPECT_NE(err.find("entry \"ctl\\x1B[2J.vic\" has a name"), std::string::npos) << err;
  EXPECT_EQ(err.find('\x1B'), std::string::npos);

  write_file_bytes(dir / "locked.zip", make_archive(archive_form::zip, odd, "secret"));
  EXPECT_EQ(run(run_list_command, {"locked.zip"}), 1);
  EXPECT_NE(err.find("entry \"ok.vic\" is encrypted"), std::string::npos) << err;
  EXPECT_EQ(render({"locked.zip:0", "-o", at("x.bmp")}), 1);
  EXPECT_NE(err.find("is encrypted"), std::string::npos) << err;

  // Cut inside the first entry's data.
  std::vector<uint8_t> cut = read_file_bytes(dir / "c.zip");
  cut.resize(60);
  write_file_bytes(dir / "cut.zip", cut);
  EXPECT_EQ(run(run_list_command, {"cut.zip"}), 1);
  EXPECT_NE(err.find("cut.zip: is damaged"), std::string::npos) << err;
  EXPECT_EQ(render({"cut.zip:0", "-o", at("x.bmp")}), 1);
  write_file_bytes(dir / "noise.7z", counting_bytes(3000));
  EXPECT_EQ(run(run_list_command, {"noise.7z"}), 1);
  EXPECT_NE(err.find("noise.7z: cannot be read"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
}

}  // namespace
