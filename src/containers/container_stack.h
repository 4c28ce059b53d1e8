#pragma once
// The containers entered, from a file on the host inward. Every container shows the same face:
// its entries, each with a name, a type and a size, and one entry's bytes read whole into a
// buffer of the caller's. An archive's entry that is itself a container (a disk image in a
// zip) is read whole into memory, never beyond the largest disk image, and entered in turn.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/regular_file.h"
#include "base/result.h"
#include "containers/archive/archive_read.h"
#include "containers/container_name.h"
#include "containers/d64/d64_read.h"
#include "containers/pc64/pc64_read.h"
#include "containers/t64/t64_read.h"

// No entry larger than the largest disk image file is ever read.
inline constexpr size_t max_entry_size = max_image_file_size;
// The host file and two containers inside it (a disk image in a zip in a zip).
inline constexpr int max_container_depth = 3;
// A directory or archive lists at most this many entries.
inline constexpr uint32_t max_container_entries = max_archive_entries;

struct container_entry {
  uint32_t index = 0;     // its number in the container, as the list command counts entries
  std::string name;       // disks, tapes and PC64 files: the 16 C64 name bytes; archives: the path
  bool c64_name = false;  // the name is a C64 one, drawn in the directory font
  d64_file_type type = d64_file_type::prg;  // a C64 file's type; an archive's files are PRG
  bool folder = false;                      // an archive's folder
  bool encrypted = false;
  bool broken = false;  // a disk's file whose sector chain breaks: size is what can be read
  int64_t size = -1;    // the bytes it holds; -1 when not known before it is read
};

using entry_visit = std::function<void(const container_entry& entry, const entry_peek& peek)>;

struct entry_bytes {
  std::string_view name;  // as container_entry::name; valid until the next read or enter
  size_t size = 0;        // the entry's bytes, all placed in the caller's buffer
};

// One container entered: what it is, and what was read of it to list it. Its bytes are
// written before they are read and never cleared: a stack in static storage costs no pages
// until a container is entered.
struct container_level {
  container_type type;
  std::string name;                           // the host path, or the entry's name inside
  file_descriptor file;                       // the host file of the outermost container
  std::array<uint8_t, max_entry_size> bytes;  // an inner container's bytes, or an unpacked disk
  size_t size = 0;                            // the bytes held in bytes
  std::vector<t64_entry> tape;                // a tape's directory
  bool tape_truncated = false;
  pc64_header pc64;
};

// Large: give it static storage or make it once.
class container_stack {
 public:
  // Makes the host file the only container entered; its name tells its type. Fails with why
  // it cannot be listed, leaving nothing entered.
  result<> open(const std::string& path);
  // As open, over a file's bytes already in memory (at most max_entry_size) named name.
  result<> open_bytes(const std::string& name, std::span<const uint8_t> bytes);
  // Enters entry index of the innermost container, which its name shows to be a container.
  // Fails with why, leaving the stack as it was.
  result<> enter(uint32_t index);
  // Leaves the innermost container.
  void leave();
  // Leaves every container.
  void close() { depth_ = 0; }
  int depth() const { return depth_; }
  // The innermost container; only while depth() > 0.
  const container_level& innermost() const { return levels_[depth_ - 1]; }
  // The layout of the disk image listed last.
  const disk_kind& listed_disk_kind() const { return *disk_.kind; }
  // The container entered k-th, 0 the host file; only for k below depth().
  const container_level& level(int k) const { return levels_[k]; }

  // Visits the innermost container's entries in its order; gives why the walk ended early,
  // and nothing when it reached the end.
  std::optional<std::string> walk(const entry_visit& visit);
  // Why entry index of the innermost container cannot be read as a file (a disk's broken
  // chain, a partition, a file other than a program); nothing when it can.
  std::optional<std::string> why_unreadable(uint32_t index) const;
  // Reads entry index of the innermost container whole into out. Fails when there is no such
  // entry, when it is a disk's file other than a program, or holds more bytes than out.
  result<entry_bytes> read(uint32_t index, std::span<uint8_t> out);

 private:
  byte_source source_of(const container_level& level) const;
  result<> load(container_level& level, const byte_source& source);

  d64_reader disk_;
  std::array<container_level, max_container_depth> levels_;
  std::array<uint8_t, max_entry_size> unpacked_;  // a gzip'd disk image, unpacked
  std::string read_name_;                         // the name of the archive entry read last
  int depth_ = 0;
};

// The bytes of a gzip'd disk image unpacked into out; fails when they are not a disk image's.
result<size_t> unpack_disk_image(const byte_source& packed, std::span<uint8_t> out);
