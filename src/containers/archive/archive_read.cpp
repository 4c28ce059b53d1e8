#include "containers/archive/archive_read.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#include "base/escaped_text.h"
#include "base/utf8.h"
#include "containers/archive/archive_library.h"

namespace {

using steady = std::chrono::steady_clock;

// libarchive reads through these callbacks, so a host file and memory are read alike and a
// seek costs nothing.
struct source_cursor {
  const byte_source* source = nullptr;
  uint64_t position = 0;
  std::array<uint8_t, 65536> block{};
};

la_ssize_t read_block(archive* a, void* data, const void** buffer) {
  source_cursor& cursor = *static_cast<source_cursor*>(data);
  const byte_source& source = *cursor.source;
  if (source.fd < 0) {
    const uint64_t count = std::min<uint64_t>(source.size - cursor.position, 1 << 20);
    *buffer = source.bytes.data() + cursor.position;
    cursor.position += count;
    return static_cast<la_ssize_t>(count);
  }
  const result<size_t> read = read_at(source, cursor.position, cursor.block);
  if (!read) {
    archive_calls()->set_error(a, EIO, "%s", describe(read.why()).c_str());
    return -1;
  }
  *buffer = cursor.block.data();
  cursor.position += *read;
  return static_cast<la_ssize_t>(*read);
}

la_int64_t seek_to(archive*, void* data, la_int64_t offset, int whence) {
  source_cursor& cursor = *static_cast<source_cursor*>(data);
  const auto size = static_cast<la_int64_t>(cursor.source->size);
  la_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<la_int64_t>(cursor.position);
  if (whence == SEEK_END) base = size;
  const la_int64_t target = base + offset;
  if (target < 0) return ARCHIVE_FATAL;
  cursor.position = static_cast<uint64_t>(std::min(target, size));
  return static_cast<la_int64_t>(cursor.position);
}

la_int64_t skip_over(archive*, void* data, la_int64_t request) {
  source_cursor& cursor = *static_cast<source_cursor*>(data);
  const uint64_t count = std::min<uint64_t>(static_cast<uint64_t>(std::max<la_int64_t>(request, 0)),
                                            cursor.source->size - cursor.position);
  cursor.position += count;
  return static_cast<la_int64_t>(count);
}

std::string seconds_text(std::chrono::milliseconds budget) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(budget.count()) / 1000);
  return text;
}

// One pass over an archive with libarchive, entry by entry, within the limits.
class archive_pass {
 public:
  archive_pass(const byte_source& source, bool single_file)
      : calls_(archive_calls()), single_file_(single_file) {
    cursor_.source = &source;
    if (calls_ == nullptr) return;
    a_ = calls_->read_new();
    if (single_file) {
      for (const archive_support support : calls_->single_file_formats) support(a_);
    } else {
      for (const archive_support support : calls_->archive_formats) support(a_);
    }
    calls_->set_callback_data(a_, &cursor_);
    calls_->set_read_callback(a_, read_block);
    calls_->set_seek_callback(a_, seek_to);
    calls_->set_skip_callback(a_, skip_over);
    opened_ = calls_->open(a_) == ARCHIVE_OK;
  }
  ~archive_pass() {
    if (a_ != nullptr) calls_->read_free(a_);
  }
  archive_pass(const archive_pass&) = delete;
  archive_pass& operator=(const archive_pass&) = delete;

  // Moves to the next entry: true there, false at the archive's end or when the pass stops
  // (problem then says why).
  bool next() {
    if (calls_ == nullptr)
      return stop("cannot be read: " + std::string(archive_library_file) + " is not installed");
    if (!opened_) return stop("cannot be read: " + library_error());
    if (!pass_over_data()) return false;
    archive_entry* entry = nullptr;
    const int status = calls_->next_header(a_, &entry);
    if (status == ARCHIVE_EOF) return false;
    if (status < ARCHIVE_WARN) return stop("is damaged: " + library_error());
    if (index_ + 1 == max_archive_entries)
      return stop("holds more than " + std::to_string(max_archive_entries) +
                  " entries; only the first " + std::to_string(max_archive_entries) + " are read");
    if (single_file_ && calls_->filter_code(a_, 0) != ARCHIVE_FILTER_GZIP)
      return stop("is not packed with gzip");
    ++index_;
    peeked_ = 0;
    describe_entry(entry);
    return true;
  }

  uint32_t index() const { return static_cast<uint32_t>(index_); }
  const archive_entry_info& entry() const { return entry_; }
  const std::optional<std::string>& problem() const { return problem_; }

  std::span<const uint8_t> peek(uint32_t count) {
    count = std::min<uint32_t>(count, peeked_bytes_.size());
    while (peeked_ < count) {
      const la_ssize_t read =
          calls_->read_data(a_, peeked_bytes_.data() + peeked_, count - peeked_);
      if (read <= 0) break;
      peeked_ += static_cast<uint32_t>(read);
    }
    return std::span(peeked_bytes_).first(std::min(peeked_, count));
  }

  // The current entry's bytes into out, whole.
  result<size_t> read_whole(std::span<uint8_t> out) {
    if (entry_.folder) return failure{"is a folder"};
    if (entry_.encrypted) return failure{"is encrypted"};
    const std::string too_large = "holds more than " + std::to_string(out.size()) + " bytes";
    if (entry_.size > static_cast<int64_t>(out.size())) return failure{too_large};
    size_t total = 0;
    while (total < out.size()) {
      const la_ssize_t read = calls_->read_data(a_, out.data() + total, out.size() - total);
      if (read < 0) return failure{"is damaged: " + library_error()};
      if (read == 0) return total;
      total += static_cast<size_t>(read);
    }
    // One byte more tells an entry that fills out from one that would overflow it.
    uint8_t extra = 0;
    if (calls_->read_data(a_, &extra, 1) > 0) return failure{too_large};
    return total;
  }

 private:
  bool stop(std::string why) {
    problem_ = std::move(why);
    return false;
  }

  std::string library_error() {
    const char* text = calls_->error_string(a_);
    return escaped_text(text != nullptr ? text : "unknown error");
  }

  bool out_of_time() const { return steady::now() - started_ > archive_time_budget; }

  bool stop_for_time() {
    return stop("takes more than " + seconds_text(archive_time_budget) +
                " s to read; the entries after the first " + std::to_string(index_ + 1) +
                " are not read");
  }

  // A packed stream must be unpacked to pass over an entry's data, which libarchive would do
  // in one call however large the data: here it goes block by block, watching the time.
  bool pass_over_data() {
    if (out_of_time()) return stop_for_time();
    if (index_ < 0 || calls_->filter_code(a_, 0) == ARCHIVE_FILTER_NONE) return true;
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    while (calls_->read_data_block(a_, &block, &size, &offset) == ARCHIVE_OK) {
      if (out_of_time()) return stop_for_time();
    }
    return true;
  }

  void describe_entry(archive_entry* entry) {
    const char* path = calls_->entry_pathname_utf8(entry);
    if (path == nullptr) path = calls_->entry_pathname(entry);
    entry_.path = path != nullptr ? path : "";
    entry_.folder = calls_->entry_filetype(entry) == AE_IFDIR;
    entry_.encrypted = calls_->entry_is_encrypted(entry) != 0;
    entry_.size = calls_->entry_size_is_set(entry) != 0 ? calls_->entry_size(entry) : -1;
  }

  const archive_library* calls_;
  archive* a_ = nullptr;
  bool single_file_;
  bool opened_ = false;
  source_cursor cursor_;
  int64_t index_ = -1;
  steady::time_point started_ = steady::now();
  archive_entry_info entry_;
  std::optional<std::string> problem_;
  std::array<uint8_t, 65536> peeked_bytes_{};
  uint32_t peeked_ = 0;
};

}  // namespace

std::optional<std::string> walk_archive(const byte_source& source, bool single_file,
                                        const archive_visit& visit) {
  const auto pass = std::make_unique<archive_pass>(source, single_file);
  const entry_peek peek = [&pass](uint32_t count) { return pass->peek(count); };
  while (pass->next()) visit(pass->index(), pass->entry(), peek);
  return pass->problem();
}

result<archive_entry_read> read_archive_entry(const byte_source& source, bool single_file,
                                              uint32_t index, std::span<uint8_t> out) {
  const auto pass = std::make_unique<archive_pass>(source, single_file);
  while (pass->next()) {
    if (pass->index() != index) continue;
    const result<size_t> read = pass->read_whole(out);
    if (!read) return read.why();
    return archive_entry_read{pass->entry().path, *read};
  }
  if (pass->problem()) return failure{*pass->problem()};
  return failure{"has no entry " + std::to_string(index)};
}

bool is_plain_entry_path(std::string_view path) {
  if (path.empty() || path.front() == '/' || !is_valid_utf8(path)) return false;
  if (std::any_of(path.begin(), path.end(),
                  [](char c) { return static_cast<uint8_t>(c) < 0x20 || c == 0x7F; }))
    return false;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    if (path.substr(start, slash - start) == "..") return false;
    start = slash + 1;
  }
  return true;
}
