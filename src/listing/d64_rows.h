#pragma once
// The texts that a listing shows for one directory entry of a disk image.
#include <string>
#include <string_view>

#include "containers/d64/d64_read.h"

struct d64_row_texts {
  std::string name;         // the 16 raw name bytes, drawn byte for byte in the directory font
  std::string type;         // file_type_marker of the entry's type; "PRG<" when its chain breaks
  std::string size;         // size_bytes in decimal for program files, else empty
  std::string_view format;  // the format name of whole program files, else empty
  uint8_t format_id = 0;    // the picture format of a program file; 0 for none
};

// The picture format of a program file of the listed image, told by its size and content.
uint8_t identify_d64_entry(d64_reader& reader, const dir_entry& entry);

// The picture format of any entry of the listed image: its format when it is a program file
// that holds a picture, else 0.
uint8_t entry_picture_format(d64_reader& reader, const dir_entry& entry);

// The row texts of one entry of the listed image, for the browser and the list command alike.
d64_row_texts make_d64_row_texts(d64_reader& reader, const dir_entry& entry);
