#pragma once
// Writing a file the user asked for without ever leaving a half-written target behind.
#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"

// Writes the parts one after the other into a temporary file in the target's directory, flushes it
// to disk and renames it over path; on failure the temporary file is removed and an existing target
// is left untouched. Fails with "Cannot create file <path>" or "Stream write error".
result<> write_file_safely(const std::string& path,
                           std::span<const std::span<const uint8_t>> parts);
