#include "cli/render_input.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/regular_file.h"
#include "containers/container_path.h"
#include "containers/container_stack.h"
#include "formats/identify.h"
#include "formats/picture_file.h"
#include "listing/container_rows.h"

namespace {

// The first bytes of what was read into file, for identification.
file_peek peek_into(const file_buffer& file, uint32_t bytes_read) {
  return [&file, bytes_read](uint32_t count) {
    return std::span<const uint8_t>(file.bytes.data(), std::min(count, bytes_read));
  };
}

// A whole container given as a picture: which of its entries to name instead.
failure name_an_entry(const std::string& path, const container_type& type) {
  std::string what = "is an archive";
  if (type.kind == container_kind::disk_image) what = "is a disk image";
  if (type.kind == container_kind::tape) what = "is a tape image";
  return failure{what + ": name one of its pictures as " + path + ":N (see list)"};
}

// The entry the last number names, read whole into file and told as its listing tells it. An
// entry that is itself a container is named as one.
result<render_input> read_entry(container_stack& opened, const std::string& input, uint32_t index,
                                file_buffer& file) {
  const result<entry_bytes> read = opened.read(index, file.bytes);
  if (!read) {
    if (opened.depth() < max_container_depth && opened.enter(index))
      return name_an_entry(input, opened.innermost().type);
    return read.why();
  }
  const entry_picture picture = place_entry_picture(opened, *read, file);
  const auto bytes = static_cast<uint32_t>(picture.size);
  return render_input{picture.name, static_cast<int64_t>(picture.size), bytes, picture.format_id};
}

container_stack& made(std::unique_ptr<container_stack>& opened) {
  if (!opened) opened = std::make_unique<container_stack>();
  return *opened;
}

}  // namespace

std::string browser_picture_name(std::string_view path) {
  const size_t slash = path.rfind('/');
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 32);
  return name;
}

result<> open_container_path(container_stack& opened, const std::string& file,
                             std::span<const uint32_t> entries) {
  if (const result<> open = opened.open(file); !open) return open.why();
  for (size_t k = 0; k + 1 < entries.size(); ++k)
    if (const result<> entered = opened.enter(entries[k]); !entered) return entered.why();
  return {};
}

result<render_input> read_render_input(std::string_view input, file_buffer& file,
                                       std::unique_ptr<container_stack>& opened) {
  const std::string path(input);
  if (const std::optional<container_path> named = parse_container_path(input)) {
    container_stack& stack = made(opened);
    if (const result<> open = open_container_path(stack, named->file, named->entries); !open)
      return failure{"cannot read " + named->file + ": " + describe(open.why())};
    return read_entry(stack, path, named->entries.back(), file);
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return failure{std::strerror(errno)};
  if (S_ISDIR(info.st_mode)) return failure{"is a directory"};
  if (const std::optional<container_type> type = container_type_of(path)) {
    if (type->kind != container_kind::pc64) return name_an_entry(path, *type);
    // A name of a PC64 file without its header is a picture file (a Picasso 64 ".p64").
    if (container_stack& stack = made(opened); stack.open(path)) {
      result<render_input> payload = read_entry(stack, path, 0, file);
      if (payload) payload->picture_name = browser_picture_name(path);
      return payload;
    }
  }
  const result<uint32_t> read = read_picture_file(path, file);
  if (!read) return failure{read.error()};
  const uint8_t format_id = identify_file(path, info.st_size, peek_into(file, *read));
  return render_input{browser_picture_name(path), info.st_size, *read, format_id};
}

bool output_is_input(const std::string& output, const std::string& input) {
  const std::optional<file_identity> written = identity_of(output);
  if (!written) return false;
  if (const std::optional<file_identity> file = identity_of(input)) return written == file;
  if (const auto named = parse_container_path(input)) return written == identity_of(named->file);
  return false;
}
