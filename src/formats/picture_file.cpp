#include "formats/picture_file.h"

#include <cstdio>

picture_file_read read_picture_file(const std::string& name, file_buffer& file) {
  picture_file_read result;
  std::FILE* stream = std::fopen(name.c_str(), "rb");
  if (stream == nullptr) return result;
  result.byte_count =
      static_cast<uint32_t>(std::fread(file.bytes.data(), 1, file_buffer_size, stream));
  // A directory opens but fails on the first read.
  result.ok = std::ferror(stream) == 0;
  std::fclose(stream);
  return result;
}
