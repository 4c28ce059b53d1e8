#pragma once
// What a file's name says it holds: a disk image, a tape, a PC64 file or an archive. Listings
// tell containers by name alone, so a folder is listed without opening any of them.
#include <cstdint>
#include <optional>
#include <string_view>

#include "containers/d64/d64_file_type.h"

enum class container_kind : uint8_t { disk_image, tape, pc64, archive };

struct container_type {
  std::string_view
      name;  // "D64", "T64", "PC64", "ZIP", "7Z", "TAR", "LHA" or "GZ": the row's marker
  container_kind kind = container_kind::archive;
  bool gzipped = false;  // a disk image or a single file packed with gzip alone (".d64.gz", ".gz")
};

// The container a file's name ends in, in any case: ".d64", ".d71", ".d81" (also followed by
// ".gz"), ".t64", PC64 names (".p00", ".s00", ".u00", ".r00" with any two digits), ".zip", ".7z",
// ".tar" and its packed forms (".tar.gz", ".tgz", ".tar.bz2", ".tar.xz", ".tar.zst", ...),
// ".lha", ".lzh" and ".gz"; nothing for any other name.
std::optional<container_type> container_type_of(std::string_view name);

// What the container is called in messages: "disk image", "tape", "PC64 file" or "archive".
std::string_view container_kind_text(container_kind kind);

// Whether the text is the name of a container type ("D64", "ZIP", "PC64", ...).
bool is_container_type_name(std::string_view text);

// The C64 file type a PC64 file's extension names: P PRG, S SEQ, U USR, R REL; nothing for a
// name that is no PC64 file's.
std::optional<d64_file_type> pc64_type_of(std::string_view name);

// The name with a last ".gz" taken off: the name of the file a single-file gzip holds.
std::string_view without_gz(std::string_view name);
