#pragma once
// What a grid row stands for. Column 1 of every row holds its kind's marker text, which is what
// the user sees; the program reads a row's kind back from that text, here and nowhere else.
#include <cstdint>
#include <string_view>

#include "browser/tdir.h"

enum class row_kind : uint8_t {
  none,              // the header, a row that does not exist, or a marker of no kind below
  directory,         // "<DIR>", ".." included
  disk_image,        // "<D64>", "<D71>" or "<D81>"
  container,         // a tape or an archive: "<T64>", "<ZIP>", "<7Z>", "<TAR>", "<LHA>", "<GZ>"
  picture_file,      // "<File>"
  pc64_file,         // "<PC64>": a PC64 file, shown as the picture it holds
  drive,             // "<Drive>"
  leave_image,       // "<WIN>", the first row of a container's listing, which steps out
  image_program,     // a program file inside a disk image or tape ("PRG")
  image_unreadable,  // a program file whose sector chain breaks ("PRG<"), a partition ("CBM")
  image_other,       // any other file inside a disk image or tape ("SEQ", "DEL", ...)
};

// Rows that open as containers: disk images, tapes and archives.
constexpr bool opens_container(row_kind kind) {
  return kind == row_kind::disk_image || kind == row_kind::container;
}

// The marker text of a host listing's row kind, or of the row that leaves a disk image; a disk
// image's row takes its kind's own marker.
std::string_view row_marker(row_kind kind);

// The marker of a disk image row: "<D64>", "<D71>" or "<D81>" for the kind's name.
std::string_view disk_image_marker(std::string_view kind_name);

// The kind of a list row, read from its column 1.
row_kind kind_of_row(const tdir& grid, int row);

// A disk image's directory record k is shown in grid row k + 2, below the header and the
// row that leaves the image.
constexpr int row_of_record(int record) {
  return record + 2;
}
constexpr int record_of_row(int row) {
  return row - 2;
}
