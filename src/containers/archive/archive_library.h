#pragma once
// libarchive's calls, from the library loaded when the first archive is opened. Linked, it
// would load itself and the dozen libraries it needs (ICU among them) at every start of the
// program, a millisecond that a render or --version never uses.
#include <archive.h>
#include <archive_entry.h>

#include <array>

// The library's soname since libarchive 3.0.
inline constexpr const char* archive_library_file = "libarchive.so.13";

using archive_support = int (*)(archive*);

struct archive_library {
  decltype(&::archive_read_new) read_new;
  decltype(&::archive_read_free) read_free;
  // The format and filters of a single file packed with gzip, and those of archives.
  std::array<archive_support, 2> single_file_formats;
  std::array<archive_support, 10> archive_formats;
  decltype(&::archive_read_set_callback_data) set_callback_data;
  decltype(&::archive_read_set_read_callback) set_read_callback;
  decltype(&::archive_read_set_seek_callback) set_seek_callback;
  decltype(&::archive_read_set_skip_callback) set_skip_callback;
  decltype(&::archive_read_open1) open;
  decltype(&::archive_read_next_header) next_header;
  decltype(&::archive_read_data) read_data;
  decltype(&::archive_read_data_block) read_data_block;
  decltype(&::archive_filter_code) filter_code;
  decltype(&::archive_error_string) error_string;
  decltype(&::archive_set_error) set_error;
  decltype(&::archive_entry_pathname_utf8) entry_pathname_utf8;
  decltype(&::archive_entry_pathname) entry_pathname;
  decltype(&::archive_entry_filetype) entry_filetype;
  decltype(&::archive_entry_is_encrypted) entry_is_encrypted;
  decltype(&::archive_entry_size_is_set) entry_size_is_set;
  decltype(&::archive_entry_size) entry_size;
};

// The calls, loaded at the first use and kept; null when the library or one of its calls is
// missing.
const archive_library* archive_calls();
