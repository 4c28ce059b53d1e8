#include "formats/picture_file.h"

#include "base/regular_file.h"

result<uint32_t> read_picture_file(const std::string& name, file_buffer& file) {
  // Plain descriptors rather than a stdio stream, which would allocate for every picture.
  const result<size_t> read = read_file_start(name, file.bytes);
  if (!read) return failure{read.error()};
  return static_cast<uint32_t>(*read);
}
