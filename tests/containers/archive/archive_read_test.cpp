#include "containers/archive/archive_read.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>

#include "base/escaped_text.h"
#include "support/archive_maker.h"
#include "support/files.h"

namespace {

struct walked {
  std::vector<std::string> paths;
  std::vector<int64_t> sizes;
  std::optional<std::string> problem;
};

walked walk(std::span<const uint8_t> bytes, bool single_file = false) {
  walked out;
  out.problem =
      walk_archive(memory_source(bytes), single_file,
                   [&out](uint32_t, const archive_entry_info& entry, const entry_peek&) {
                     out.paths.push_back(entry.path + (entry.encrypted ? " (locked)" : ""));
                     out.sizes.push_back(entry.size);
                   });
  return out;
}

const std::vector<archived> collection = {
    {"pics/", {}},
    {"pics/sunset.koa", counting_bytes(10003, 1)},
    {"disk.d64", counting_bytes(3000, 2)},
    {"readme.txt", counting_bytes(40, 3)},
};

TEST(ArchiveRead, EveryFormListsItsEntriesAndReadsThemWhole) {
  for (const archive_form form :
       {archive_form::zip, archive_form::seven_zip, archive_form::tar, archive_form::tar_gz,
        archive_form::tar_bz2, archive_form::tar_xz}) {
    const std::vector<uint8_t> bytes = make_archive(form, collection);
    const walked listed = walk(bytes);
    EXPECT_FALSE(listed.problem) << *listed.problem;
    ASSERT_EQ(listed.paths.size(), 4u) << static_cast<int>(form);
    // 7z keeps folders after files; every form keeps the paths and sizes.
    std::vector<std::string> sorted = listed.paths;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted,
              (std::vector<std::string>{"disk.d64", "pics/", "pics/sunset.koa", "readme.txt"}));
    const auto koala = std::find(listed.paths.begin(), listed.paths.end(), "pics/sunset.koa");
    const auto index = static_cast<uint32_t>(koala - listed.paths.begin());
    EXPECT_EQ(listed.sizes[index], 10003);
    std::vector<uint8_t> out(65536);
    const result<archive_entry_read> read =
        read_archive_entry(memory_source(bytes), false, index, out);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read->size, 10003u);
    EXPECT_TRUE(std::equal(collection[1].bytes.begin(), collection[1].bytes.end(), out.begin()));
  }
  // lha, as collectors' archives of the nineties have it.
  const std::vector<uint8_t> lha = make_lha(std::span(collection).subspan(1));
  EXPECT_EQ(walk(lha).paths,
            (std::vector<std::string>{"pics/sunset.koa", "disk.d64", "readme.txt"}));
  // A single gzip'd file is one entry whose size shows only once it is read.
  const std::vector<uint8_t> gz =
      make_archive(archive_form::gz, std::span(collection).subspan(1, 1));
  EXPECT_EQ(walk(gz, true).sizes, std::vector<int64_t>{-1});
  std::vector<uint8_t> out(65536);
  EXPECT_EQ(read_archive_entry(memory_source(gz), true, 0, out)->size, 10003u);
}

TEST(ArchiveRead, EntriesAreReadOnlyUpToTheBufferAndFoldersOrMissingEntriesNotAtAll) {
  const std::vector<uint8_t> zip = make_archive(archive_form::zip, collection);
  std::vector<uint8_t> small(10002);
  EXPECT_EQ(read_archive_entry(memory_source(zip), false, 1, small).error(),
            "holds more than 10002 bytes");
  EXPECT_EQ(read_archive_entry(memory_source(zip), false, 0, small).error(), "is a folder");
  EXPECT_EQ(read_archive_entry(memory_source(zip), false, 9, small).error(), "has no entry 9");
}

// A gzip stream of members that each unpack to a megabyte of zeros: a few kilobytes per
// gigabyte, as compression bombs are made.
std::vector<uint8_t> zeros_gzip(std::span<const uint8_t> head, int megabytes) {
  const auto member = [](std::span<const uint8_t> bytes) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 31, 9, Z_DEFAULT_STRATEGY);
    std::vector<uint8_t> out(deflateBound(&z, bytes.size()));
    z.next_in = const_cast<uint8_t*>(bytes.data());
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
  };
  std::vector<uint8_t> stream = member(head);
  const std::vector<uint8_t> zeros = member(std::vector<uint8_t>(1 << 20));
  for (int k = 0; k < megabytes; ++k) stream.insert(stream.end(), zeros.begin(), zeros.end());
  return stream;
}

TEST(ArchiveRead, BombsEndWithinTheTimeBudgetAndAreNeverReadBeyondTheBuffer) {
  // A tar whose one entry claims 8 GiB of zeros, then another entry the walk never reaches.
  std::vector<uint8_t> header = make_archive(archive_form::tar, std::vector<archived>{{"x", {}}});
  header.resize(512);
  const char size_field[] = "77777777777";  // 8 GiB - 1 in octal
  std::copy(std::begin(size_field), std::end(size_field) - 1, header.begin() + 124);
  unsigned sum = 0;
  std::fill(header.begin() + 148, header.begin() + 156, ' ');
  for (const uint8_t byte : header) sum += byte;
  std::snprintf(reinterpret_cast<char*>(header.data()) + 148, 8, "%06o", sum);
  const std::vector<uint8_t> bomb = zeros_gzip(header, 8192);
  const auto started = std::chrono::steady_clock::now();
  const walked listed = walk(bomb);
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_LT(took, std::chrono::seconds(1));
  ASSERT_TRUE(listed.problem);
  EXPECT_NE(listed.problem->find("takes more than 0.5 s"), std::string::npos) << *listed.problem;
  std::vector<uint8_t> out(822400);
  EXPECT_EQ(read_archive_entry(memory_source(bomb), false, 0, out).error(),
            "holds more than 822400 bytes");

  // A single gzip'd file claims no size: reading stops one byte past the buffer.
  const std::vector<uint8_t> gz = zeros_gzip({}, 1024);
  EXPECT_EQ(read_archive_entry(memory_source(gz), true, 0, out).error(),
            "holds more than 822400 bytes");
}

TEST(ArchiveRead, ListingStopsAtItsCapOfEntries) {
  std::vector<archived> many(max_archive_entries + 1, archived{"x", {}});
  for (size_t k = 0; k < many.size(); ++k) many[k].path = std::to_string(k);
  const walked listed = walk(make_archive(archive_form::tar_gz, many));
  EXPECT_EQ(listed.paths.size(), max_archive_entries);
  ASSERT_TRUE(listed.problem);
  EXPECT_NE(listed.problem->find("more than 4096 entries"), std::string::npos);
  many.pop_back();
  EXPECT_FALSE(walk(make_archive(archive_form::tar_gz, many)).problem);
}

TEST(ArchiveRead, EncryptedTruncatedAndForeignBytesGiveReasonsNotCrashes) {
  const std::vector<uint8_t> locked = make_archive(archive_form::zip, collection, "secret");
  EXPECT_EQ(walk(locked).paths[1], "pics/sunset.koa (locked)");
  std::vector<uint8_t> out(65536);
  EXPECT_EQ(read_archive_entry(memory_source(locked), false, 1, out).error(), "is encrypted");

  std::vector<uint8_t> zip = make_archive(archive_form::zip, collection);
  for (size_t cut = 1; cut < zip.size(); cut += 97) {
    const std::vector<uint8_t> head(zip.begin(), zip.begin() + static_cast<ptrdiff_t>(cut));
    const walked listed = walk(head);
    EXPECT_LE(listed.paths.size(), 4u);
    (void)read_archive_entry(memory_source(head), false, 1, out);
  }
  const std::vector<uint8_t> foreign = counting_bytes(5000);
  const walked listed = walk(foreign);
  EXPECT_TRUE(listed.paths.empty());
  ASSERT_TRUE(listed.problem);
  EXPECT_EQ(listed.problem->rfind("cannot be read: ", 0), 0u) << *listed.problem;
  EXPECT_EQ(*walk(foreign, true).problem, "is not packed with gzip");
}

TEST(ArchiveRead, PlainEntryPathsAreThoseAListingShows) {
  for (const char* plain : {"a.koa", "pics/a.koa", "./pics/a.koa", "dir/", "caf\xC3\xA9.koa"})
    EXPECT_TRUE(is_plain_entry_path(plain)) << plain;
  for (const char* odd : {"", "../a.koa", "pics/../../a.koa", "/etc/a.koa", "..", "a\x01.koa",
                          "a\x7F", "\xFF.koa", "\xC0\xAF.koa", "\xED\xA0\x80.koa", "\xE2\x82"})
    EXPECT_FALSE(is_plain_entry_path(odd)) << escaped_text(odd);
}

}  // namespace
