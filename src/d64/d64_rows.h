#pragma once
// The texts that a listing shows for one directory entry of a disk image.
#include <string>
#include <string_view>

#include "d64/d64_read.h"

struct d64_row_texts {
  std::string name;         // the 16 raw name bytes, drawn byte for byte in the directory font
  std::string type;         // file_type_marker of the entry's type
  std::string size;         // size_bytes in decimal for program files, else empty
  std::string_view format;  // the format name of the size for program files, else empty
};

// The row texts of one entry, for the browser and the list command alike.
d64_row_texts make_d64_row_texts(const dir_entry& entry);

// The name with every byte outside 0x20..0x7E written as \xHH (upper-case hex), for text output.
std::string escape_d64_name(std::string_view name);
