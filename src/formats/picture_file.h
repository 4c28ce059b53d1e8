#pragma once
// Reading a host picture file into file_buffer.
#include <cstdint>
#include <string>

#include "base/file_buffer.h"
#include "base/result.h"

// The largest number of bytes a picture file contributes.
constexpr uint32_t file_buffer_size = 65536;

// Reads up to 65536 bytes of the host file name into file from index 0 and gives how many it
// placed; bytes beyond those keep their values. Fails with the system's reason when the file
// cannot be opened, is not a regular file or cannot be read (a file that cannot be opened
// leaves file untouched).
result<uint32_t> read_picture_file(const std::string& name, file_buffer& file);
