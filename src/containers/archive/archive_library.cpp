#include "containers/archive/archive_library.h"

#include "base/library_calls.h"

namespace {

template <size_t count>
bool find_all(void* library, const std::array<const char*, count>& names,
              std::array<archive_support, count>& out) {
  for (size_t i = 0; i < count; ++i)
    if (!find_call(library, names[i], out[i])) return false;
  return true;
}

constexpr std::array<const char*, 2> single_file_names = {"archive_read_support_format_raw",
                                                          "archive_read_support_filter_gzip"};
constexpr std::array<const char*, 10> archive_names = {
    "archive_read_support_format_zip_seekable", "archive_read_support_format_zip_streamable",
    "archive_read_support_format_7zip",         "archive_read_support_format_tar",
    "archive_read_support_format_lha",          "archive_read_support_filter_gzip",
    "archive_read_support_filter_bzip2",        "archive_read_support_filter_xz",
    "archive_read_support_filter_lzma",         "archive_read_support_filter_zstd"};

bool load(archive_library& calls) {
  // Kept loaded to the end: the calls are used for as long as the program runs.
  void* library = ::dlopen(archive_library_file, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr && find_call(library, "archive_read_new", calls.read_new) &&
         find_call(library, "archive_read_free", calls.read_free) &&
         find_all(library, single_file_names, calls.single_file_formats) &&
         find_all(library, archive_names, calls.archive_formats) &&
         find_call(library, "archive_read_set_callback_data", calls.set_callback_data) &&
         find_call(library, "archive_read_set_read_callback", calls.set_read_callback) &&
         find_call(library, "archive_read_set_seek_callback", calls.set_seek_callback) &&
         find_call(library, "archive_read_set_skip_callback", calls.set_skip_callback) &&
         find_call(library, "archive_read_open1", calls.open) &&
         find_call(library, "archive_read_next_header", calls.next_header) &&
         find_call(library, "archive_read_data", calls.read_data) &&
         find_call(library, "archive_read_data_block", calls.read_data_block) &&
         find_call(library, "archive_filter_code", calls.filter_code) &&
         find_call(library, "archive_error_string", calls.error_string) &&
         find_call(library, "archive_set_error", calls.set_error) &&
         find_call(library, "archive_entry_pathname_utf8", calls.entry_pathname_utf8) &&
         find_call(library, "archive_entry_pathname", calls.entry_pathname) &&
         find_call(library, "archive_entry_filetype", calls.entry_filetype) &&
         find_call(library, "archive_entry_is_encrypted", calls.entry_is_encrypted) &&
         find_call(library, "archive_entry_size_is_set", calls.entry_size_is_set) &&
         find_call(library, "archive_entry_size", calls.entry_size);
}

}  // namespace

const archive_library* archive_calls() {
  static archive_library calls{};
  static const bool loaded = load(calls);
  return loaded ? &calls : nullptr;
}
