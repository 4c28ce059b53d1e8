#include "containers/container_name.h"

#include <gtest/gtest.h>

#include "containers/container_path.h"
#include "containers/pc64/pc64_read.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

std::string type_name_of(std::string_view name) {
  const std::optional<container_type> type = container_type_of(name);
  if (!type) return "-";
  return std::string(type->name) + (type->gzipped ? "+gz" : "");
}

TEST(ContainerNames, TheEndingOfANameTellsTheContainerInAnyCase) {
  for (const auto& [name, type] :
       std::vector<std::pair<std::string, std::string>>{{"a.d64", "D64"},
                                                        {"dir/A.D71", "D71"},
                                                        {"a.d81.GZ", "D81+gz"},
                                                        {"a.T64", "T64"},
                                                        {"a.zip", "ZIP"},
                                                        {"a.7Z", "7Z"},
                                                        {"a.tar.bz2", "TAR"},
                                                        {"a.tgz", "TAR"},
                                                        {"a.tar.zst", "TAR"},
                                                        {"a.lzh", "LHA"},
                                                        {"a.koa.gz", "GZ+gz"},
                                                        {"a.P00", "PC64"},
                                                        {"a.s17", "PC64"},
                                                        {"a.d65", "-"},
                                                        {"a.p0", "-"},
                                                        {"a.x00", "-"},
                                                        {".zip", "-"},
                                                        {"d64", "-"}})
    EXPECT_EQ(type_name_of(name), type) << name;
  EXPECT_EQ(pc64_type_of("a.s00"), d64_file_type::seq);
  EXPECT_EQ(pc64_type_of("a.R12"), d64_file_type::rel);
  EXPECT_EQ(without_gz("b.d64.gz"), "b.d64");
}

TEST(ContainerPaths, EntryNumbersFollowAFileOrAContainerName) {
  temp_folder dir;
  write_file_bytes(dir / "a:b.vic", counting_bytes(10));
  write_file_bytes(dir / "c.zip", counting_bytes(10));
  const auto nested = parse_container_path(dir.at("c.zip") + ":12:3");
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->file, dir.at("c.zip"));
  EXPECT_EQ(nested->entries, (std::vector<uint32_t>{12, 3}));
  // A file of the exact name is that file; a missing one is named when it is a container.
  EXPECT_FALSE(parse_container_path(dir.at("a:b.vic")));
  EXPECT_EQ(parse_container_path("missing.d64:0")->file, "missing.d64");
  for (const char* input : {"pic.prg", "disk.d64", "disk.d64:", "disk.d64:-1", "disk.d64:+1",
                            "disk.d64:1a", "disk.prg:1", "x.zip:1:2:3:4"})
    EXPECT_FALSE(parse_container_path(input)) << input;
  EXPECT_EQ(parse_container_path("x.d64:99999999999999999999")->entries[0], 0xFFFFFFFFu);
}

TEST(Pc64Header, SignatureNameAndRecordSize) {
  std::vector<uint8_t> start = {'C', '6', '4', 'F', 'i', 'l', 'e', 0, 'P', 'I', 'C', 0xA0};
  start.resize(26, 0);
  start[25] = 254;
  const std::optional<pc64_header> header = read_pc64_header(start);
  ASSERT_TRUE(header);
  EXPECT_EQ(std::string(header->name.begin(), header->name.end()), "PIC             ");
  EXPECT_EQ(header->record_size, 254);
  EXPECT_FALSE(read_pc64_header(std::span(start).first(25)));
  start[6] = 'E';
  EXPECT_FALSE(read_pc64_header(start));
}

}  // namespace
