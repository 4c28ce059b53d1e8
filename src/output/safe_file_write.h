#pragma once
// Writing a file the user asked for without ever leaving a half-written target behind.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/result.h"

struct write_options {
  bool replace_existing = true;  // false: a file already at the path is left as it is
  bool sync = true;              // false: the caller syncs the file system once for many files
  // true: a regular file already at the path (not a link) is overwritten where it is, so a
  // reader that holds it open (a thumbnail service that made it) reads the new bytes.
  bool in_place = false;
};

// Writes the parts one after the other into a new file in the target's directory (created with
// mode 0666 less the umask), flushes it to disk and renames it to path; on failure the new file
// is removed and an existing target is left untouched. With in_place, an existing regular
// file is truncated and written instead (a failure then leaves it short). Fails with "Cannot
// create file <path>" or "Stream write error", and the system's reason.
result<> write_file_safely(const std::string& path, std::span<const std::span<const uint8_t>> parts,
                           const write_options& options = {});

// Takes the next bytes of a file, in order; false once writing failed.
using file_bytes_sink = std::function<bool(std::span<const uint8_t> bytes)>;
// Hands a file's bytes to the sink piece by piece; false when the sink failed.
using file_bytes_source = std::function<bool(const file_bytes_sink& put)>;

// As above, with the bytes coming from source, so that a large file needs no buffer of its
// whole size.
result<> write_file_safely(const std::string& path, const file_bytes_source& source,
                           const write_options& options = {});
