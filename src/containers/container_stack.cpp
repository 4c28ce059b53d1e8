#include "containers/container_stack.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "base/thread_scratch.h"
#include "containers/d64/d64_entry.h"

namespace {

std::string_view base_name(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string no_entry(uint32_t index) {
  return "there is no entry " + std::to_string(index) + " (see list)";
}

std::string too_large(size_t limit) {
  return "the entry holds more than " + std::to_string(limit) + " bytes";
}

// A disk's file read along its sector chain, or an entry's first bytes: scratch of whichever
// thread reads.
file_buffer& chain() {
  return thread_scratch<struct chain_scratch, file_buffer>();
}

entry_peek chain_peek(d64_reader& disk, const dir_entry& entry) {
  return [&disk, &entry, read = false](uint32_t count) mutable {
    if (!read) read_file_chain(disk, entry.first_track, entry.first_sector, chain());
    read = true;
    const auto size = static_cast<uint32_t>(std::clamp<int32_t>(entry.size_bytes, 0, 65536));
    return std::span<const uint8_t>(chain().bytes.data(), std::min(count, size));
  };
}

// Peeks at bytes that read_into places in chain on the first call.
template <class Read>
entry_peek buffered_peek(Read read_into) {
  return [read_into, got = size_t{0}, read = false](uint32_t count) mutable {
    if (!read) got = read_into(std::span<uint8_t>(chain().bytes));
    read = true;
    return std::span<const uint8_t>(chain().bytes.data(), std::min<size_t>(count, got));
  };
}

std::string_view name_of(const std::array<uint8_t, 16>& name) {
  return {reinterpret_cast<const char*>(name.data()), name.size()};
}

uint64_t pc64_payload_size(const byte_source& source) {
  return source.size > pc64_header_size ? source.size - pc64_header_size : 0;
}

}  // namespace

result<size_t> unpack_disk_image(const byte_source& packed, std::span<uint8_t> out) {
  const result<archive_entry_read> read = read_archive_entry(packed, true, 0, out);
  if (!read) return read.why();
  if (disk_kind_by_size(read->size) == nullptr)
    return failure{"unpacks to " + std::to_string(read->size) + " bytes, not a disk image's size"};
  return read->size;
}

result<> container_stack::open(const std::string& path) {
  depth_ = 0;
  const std::optional<container_type> type = container_type_of(base_name(path));
  if (!type) return failure{"is not a disk image, tape, PC64 file or archive by its name"};
  container_level& level = levels_[0];
  level.type = *type;
  level.name = path;
  level.size = 0;
  result<file_descriptor> fd = open_regular_file(path);
  if (!fd) return failure{"cannot be read", fd.error()};
  struct stat info {};
  if (::fstat(fd->get(), &info) != 0) return failure{"cannot be read", std::strerror(errno)};
  level.file = std::move(*fd);
  if (const result<> loaded =
          load(level, {level.file.get(), {}, static_cast<uint64_t>(info.st_size)});
      !loaded)
    return loaded.why();
  depth_ = 1;
  return {};
}

result<> container_stack::open_bytes(const std::string& name, std::span<const uint8_t> bytes) {
  depth_ = 0;
  const std::optional<container_type> type = container_type_of(base_name(name));
  if (!type) return failure{"is not a disk image, tape, PC64 file or archive by its name"};
  if (bytes.size() > max_entry_size) return failure{too_large(max_entry_size)};
  container_level& level = levels_[0];
  level.type = *type;
  level.name = name;
  level.file = file_descriptor{};
  level.size = bytes.size();
  std::copy(bytes.begin(), bytes.end(), level.bytes.begin());
  if (const result<> loaded = load(level, source_of(level)); !loaded) return loaded.why();
  depth_ = 1;
  return {};
}

result<> container_stack::enter(uint32_t index) {
  if (depth_ == 0) return failure{"no container is open"};
  if (innermost().type.kind != container_kind::archive)
    return failure{"holds no containers, only C64 files"};
  if (depth_ == max_container_depth)
    return failure{"containers nest deeper than " + std::to_string(max_container_depth)};
  container_level& inner = levels_[depth_];
  const result<entry_bytes> read = this->read(index, inner.bytes);
  if (!read) return read.why();
  const std::optional<container_type> type = container_type_of(base_name(read->name));
  if (!type) return failure{"the entry is not a disk image, tape, PC64 file or archive"};
  inner.type = *type;
  inner.name = read->name;
  inner.size = read->size;
  inner.file = file_descriptor{};
  if (const result<> loaded = load(inner, source_of(inner)); !loaded) return loaded.why();
  ++depth_;
  return {};
}

void container_stack::leave() {
  if (depth_ > 0) --depth_;
}

byte_source container_stack::source_of(const container_level& level) const {
  if (level.file.get() >= 0) {
    struct stat info {};
    const uint64_t size = ::fstat(level.file.get(), &info) == 0 ? info.st_size : 0;
    return {level.file.get(), {}, size};
  }
  return memory_source(std::span(level.bytes).first(level.size));
}

result<> container_stack::load(container_level& level, const byte_source& source) {
  switch (level.type.kind) {
    case container_kind::disk_image: {
      if (!level.type.gzipped && level.file.get() >= 0) {
        if (const result<> read = read_directory(disk_, level.name); !read) return read.why();
      } else {
        std::span<const uint8_t> image = source.bytes;
        if (level.type.gzipped) {
          const result<size_t> unpacked = unpack_disk_image(source, unpacked_);
          if (!unpacked) return unpacked.why();
          image = std::span(unpacked_).first(*unpacked);
        }
        if (const result<> read = read_directory_from_bytes(disk_, image); !read) return read.why();
      }
      compute_prg_sizes(disk_);
      return {};
    }
    case container_kind::tape:
      return read_t64_directory(source, level.tape, max_container_entries, level.tape_truncated);
    case container_kind::pc64: {
      std::array<uint8_t, pc64_header_size> header{};
      const result<size_t> read = read_at(source, 0, header);
      if (!read) return read.why();
      const std::optional<pc64_header> parsed = read_pc64_header(std::span(header).first(*read));
      if (!parsed) return failure{"is not a PC64 file (no C64File header)"};
      level.pc64 = *parsed;
      return {};
    }
    case container_kind::archive:
      break;
  }
  return {};
}

std::optional<std::string> container_stack::walk(const entry_visit& visit) {
  const container_level& level = innermost();
  const byte_source source = source_of(level);
  switch (level.type.kind) {
    case container_kind::disk_image:
      for (uint32_t k = 0; k < disk_.dir_entry_count; ++k) {
        const dir_entry& record = disk_.dir_entries[k];
        const bool program = is_program_file(record.file_type);
        visit({k, std::string(record.name.begin(), record.name.end()), true, record.file_type,
               false, false, program && record.chain.broken(), program ? record.size_bytes : -1},
              chain_peek(disk_, record));
      }
      return std::nullopt;
    case container_kind::tape:
      for (uint32_t k = 0; k < level.tape.size(); ++k) {
        const t64_entry& file = level.tape[k];
        visit({k, std::string(file.name.begin(), file.name.end()), true, file.file_type, false,
               false, false, file.size()},
              buffered_peek([&source, &file](std::span<uint8_t> out) {
                const result<size_t> read = read_t64_file(source, file, out);
                return read ? *read : 0;
              }));
      }
      if (level.tape_truncated)
        return "holds more than " + std::to_string(max_container_entries) +
               " files; only the first are listed";
      return std::nullopt;
    case container_kind::pc64:
      visit({0, std::string(level.pc64.name.begin(), level.pc64.name.end()), true,
             pc64_type_of(base_name(level.name)).value_or(d64_file_type::prg), false, false, false,
             static_cast<int64_t>(pc64_payload_size(source))},
            buffered_peek([&source](std::span<uint8_t> out) {
              const result<size_t> read = read_at(source, pc64_header_size, out);
              return read ? *read : 0;
            }));
      return std::nullopt;
    case container_kind::archive:
      break;
  }
  const bool single = level.type.gzipped;
  const std::string single_name(without_gz(base_name(level.name)));
  return walk_archive(source, single,
                      [&](uint32_t index, const archive_entry_info& info, const entry_peek& peek) {
                        visit({index, single ? single_name : info.path, false, d64_file_type::prg,
                               info.folder, info.encrypted, false, info.size},
                              peek);
                      });
}

std::optional<std::string> container_stack::why_unreadable(uint32_t index) const {
  if (depth_ == 0 || innermost().type.kind != container_kind::disk_image ||
      index >= disk_.dir_entry_count)
    return std::nullopt;
  return why_entry_is_unreadable(disk_.dir_entries[index]);
}

result<entry_bytes> container_stack::read(uint32_t index, std::span<uint8_t> out) {
  const container_level& level = innermost();
  const byte_source source = source_of(level);
  switch (level.type.kind) {
    case container_kind::disk_image: {
      if (index >= disk_.dir_entry_count) return failure{no_entry(index)};
      const dir_entry& record = disk_.dir_entries[index];
      if (std::optional<std::string> why = why_entry_is_unreadable(record))
        return failure{std::move(*why)};
      const auto size = static_cast<size_t>(std::max(record.size_bytes, 0));
      file_buffer& sectors = chain();
      if (size > out.size() || size > sectors.bytes.size()) return failure{too_large(out.size())};
      read_file_chain(disk_, record.first_track, record.first_sector, sectors);
      std::copy_n(sectors.bytes.begin(), size, out.begin());
      return entry_bytes{name_of(record.name), size};
    }
    case container_kind::tape: {
      if (index >= level.tape.size()) return failure{no_entry(index)};
      const t64_entry& file = level.tape[index];
      if (static_cast<size_t>(file.size()) > out.size()) return failure{too_large(out.size())};
      const result<size_t> read = read_t64_file(source, file, out);
      if (!read) return read.why();
      return entry_bytes{name_of(file.name), *read};
    }
    case container_kind::pc64: {
      if (index != 0) return failure{no_entry(index)};
      const uint64_t size = pc64_payload_size(source);
      if (size > out.size()) return failure{too_large(out.size())};
      const result<size_t> read = read_at(source, pc64_header_size, out.first(size));
      if (!read) return read.why();
      return entry_bytes{name_of(level.pc64.name), *read};
    }
    case container_kind::archive:
      break;
  }
  const result<archive_entry_read> read =
      read_archive_entry(source, level.type.gzipped, index, out);
  if (!read) return read.why();
  read_name_ = level.type.gzipped ? without_gz(base_name(level.name)) : read->path;
  return entry_bytes{read_name_, read->size};
}
