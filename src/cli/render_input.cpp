#include "cli/render_input.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "d64/d64_entry.h"
#include "formats/picture_file.h"

namespace {

// A PRG entry of a disk image, read along its sector chain as the browser opens it.
result<render_input> read_d64_render_input(const d64_entry_ref& ref, file_buffer& file) {
  const auto reader = std::make_unique<d64_reader>();
  const d64_entry_result entry = read_d64_entry(*reader, ref, file);
  if (entry.status != d64_entry_status::read)
    return failure{std::string(d64_entry_message(entry.status))};
  return render_input{entry.name, entry.size_bytes,
                      entry.size_bytes < 0 ? 0 : static_cast<uint32_t>(entry.size_bytes)};
}

}  // namespace

std::string browser_picture_name(std::string_view path) {
  const size_t slash = path.rfind('/');
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 32);
  return name;
}

result<render_input> read_render_input(std::string_view input, file_buffer& file) {
  if (const auto ref = parse_d64_entry_ref(input)) return read_d64_render_input(*ref, file);
  const std::string path(input);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return failure{std::strerror(errno)};
  if (S_ISDIR(info.st_mode)) return failure{"is a directory"};
  const result<uint32_t> read = read_picture_file(path, file);
  if (!read) return failure{"cannot be read"};
  return render_input{browser_picture_name(path), info.st_size, *read};
}
