#include "cli/render_input.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "base/regular_file.h"
#include "containers/d64/d64_entry.h"
#include "containers/d64/d64_geometry.h"
#include "formats/identify.h"
#include "formats/picture_file.h"

namespace {

// The first bytes of what was read into file, for identification.
file_peek peek_into(const file_buffer& file, uint32_t bytes_read) {
  return [&file, bytes_read](uint32_t count) {
    return std::span<const uint8_t>(file.bytes.data(), std::min(count, bytes_read));
  };
}

// A PRG entry of a disk image, read along its sector chain as the browser opens it.
result<render_input> read_d64_render_input(const d64_entry_ref& ref, file_buffer& file) {
  const auto reader = std::make_unique<d64_reader>();
  const result<d64_entry_read> entry = read_d64_entry(*reader, ref, file);
  if (!entry) return failure{entry.error()};
  const uint32_t bytes = std::clamp<int32_t>(entry->size_bytes, 0, 65536);
  return render_input{
      entry->name, entry->size_bytes, bytes,
      identify_by_content(entry->size_bytes, peek_into(file, bytes), file_place::disk_image)};
}

}  // namespace

std::string browser_picture_name(std::string_view path) {
  const size_t slash = path.rfind('/');
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 32);
  return name;
}

result<render_input> read_render_input(std::string_view input, file_buffer& file) {
  const std::string path(input);
  struct stat info {};
  const bool exists = ::stat(path.c_str(), &info) == 0;
  if (const auto ref = parse_d64_entry_ref(input); ref && !exists)
    return read_d64_render_input(*ref, file);
  if (!exists) return failure{std::strerror(errno)};
  if (S_ISDIR(info.st_mode)) return failure{"is a directory"};
  if (has_disk_image_extension(path) && disk_kind_by_size(static_cast<uintmax_t>(info.st_size)))
    return failure{"is a disk image: name one of its pictures as " + path + ":N (see list)"};
  const result<uint32_t> read = read_picture_file(path, file);
  if (!read) return failure{read.error()};
  const uint8_t format_id = identify_file(path, info.st_size, peek_into(file, *read));
  return render_input{browser_picture_name(path), info.st_size, *read, format_id};
}

bool output_is_input(const std::string& output, const std::string& input) {
  const std::optional<file_identity> written = identity_of(output);
  if (!written) return false;
  if (const std::optional<file_identity> file = identity_of(input)) return written == file;
  if (const auto ref = parse_d64_entry_ref(input)) return written == identity_of(ref->image);
  return false;
}
