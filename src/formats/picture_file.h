#pragma once
// Reading a host picture file into file_buffer.
#include <cstdint>
#include <string>

#include "formats/picture_model.h"

// The largest number of bytes a picture file contributes.
constexpr uint32_t file_buffer_size = 65536;

struct picture_file_read {
  bool ok = false;          // the file opened and was read to its end (or to 65536 bytes)
  uint32_t byte_count = 0;  // bytes placed in file_buffer from index 0
};

// Reads up to 65536 bytes of the host file name into file from index 0; bytes beyond those
// read keep their values, and a file that cannot be opened leaves file untouched.
picture_file_read read_picture_file(const std::string& name, file_buffer& file);
