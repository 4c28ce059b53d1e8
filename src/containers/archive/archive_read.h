#pragma once
// Archives read through libarchive: zip, 7z, tar (plain or packed with gzip, bzip2, xz or
// zstd), lha, and a single file packed with gzip. They are read from a host file or from memory
// and never extracted: an entry's bytes go only into a buffer of the caller's. Every walk is
// bounded in entries and in time, and every entry read in bytes.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"
#include "containers/byte_source.h"

// A listing stops after this many entries, so that an archive claiming millions ends at once.
inline constexpr uint32_t max_archive_entries = 4096;
// Reaching an entry stops after this long: a packed stream that unpacks to gigabytes (a
// compression bomb) must be unpacked to pass over its entries.
inline constexpr std::chrono::milliseconds archive_time_budget{500};

struct archive_entry_info {
  std::string path;  // the entry's name in the archive, its bytes as stored
  bool folder = false;
  bool encrypted = false;
  int64_t size = -1;  // the bytes it holds; -1 when the archive does not say
};

// Gives the first count bytes of the entry being visited, at most 65536: fewer when it is
// shorter or cannot be read. Asked for more on a later call, it reads on.
using entry_peek = std::function<std::span<const uint8_t>(uint32_t count)>;

using archive_visit =
    std::function<void(uint32_t index, const archive_entry_info& entry, const entry_peek& peek)>;

// Visits the entries in the archive's order, numbered from 0, at most max_archive_entries, for
// at most archive_time_budget. single_file reads a gzip'd file as one entry. Gives why the walk
// ended before the archive's end (damaged, too many entries, too slow); nothing when it
// reached the end.
std::optional<std::string> walk_archive(const byte_source& source, bool single_file,
                                        const archive_visit& visit);

struct archive_entry_read {
  std::string path;
  size_t size = 0;  // the bytes placed in the caller's buffer: the whole entry
};

// Reads entry index whole into out. Fails when the entry cannot be reached within the limits,
// is a folder, is encrypted, is damaged, or holds more bytes than out.
result<archive_entry_read> read_archive_entry(const byte_source& source, bool single_file,
                                              uint32_t index, std::span<uint8_t> out);

// Whether an entry's name is a plain relative path that can be shown: no leading '/', no ".."
// part, no control bytes, well-formed UTF-8.
bool is_plain_entry_path(std::string_view path);
