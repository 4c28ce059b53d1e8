#pragma once
// The rows a listing shows for the entries of the container entered last: a disk's or tape's
// directory in its own order, or an archive's folders, containers and files, with the picture
// format each file holds. The browser and the list command show the same texts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_buffer.h"
#include "containers/container_stack.h"

enum class row_role : uint8_t {
  c64_file,   // a disk's or tape's file; its program files may be pictures
  folder,     // an archive's folder
  container,  // a disk image, tape or archive inside an archive
  pc64_file,  // a PC64 file, whose payload is shown as a picture
  picture,    // a file a host listing would show as a picture
  other,      // any other file: only the list command shows it
};

struct entry_row {
  uint32_t entry = 0;  // the entry's number in its container
  row_role role = row_role::other;
  std::string name;         // the 16 C64 name bytes, or the archive's name for the entry
  std::string type;         // "PRG", "SEQ", ...; "<DIR>", "<File>", "<PC64>", "<D64>", "<ZIP>", ...
  std::string size;         // the size in decimal where a listing shows one
  std::string_view format;  // the format name of a file that may be a picture
  uint8_t format_id = 0;    // its picture format; 0 for none
  std::string c64_name;     // a PC64 file's own C64 name
};

struct container_listing {
  std::vector<entry_row> rows;
  std::vector<std::string> problems;  // what the user is told, names escaped
};

// The picture that an entry read whole holds, told as its row tells it.
struct entry_picture {
  std::string name;   // the caption's name: the C64 name, or the file name upper-cased first
  size_t offset = 0;  // where the picture file starts in the bytes: past a PC64 header
  size_t size = 0;    // the picture file's bytes
  uint8_t format_id = 0;
};
entry_picture identify_read_entry(const container_stack& opened, const entry_bytes& read,
                                  std::span<const uint8_t> bytes);

// Tells the entry read whole into file as identify_read_entry does and moves its picture file
// to the start of file (past a PC64 header).
entry_picture place_entry_picture(const container_stack& opened, const entry_bytes& read,
                                  file_buffer& file);

// Whether the row's entry is a file whose picture can be shown: a picture file, a PC64 file, or
// a disk's or tape's program file, of a known format.
bool row_shows_picture(const entry_row& row);

// A container's marker text: "<" + the type's name + ">".
std::string container_marker(std::string_view type_name);

// The marker of a file row inside an archive, and of a PC64 file.
inline constexpr std::string_view file_marker = "<File>";
inline constexpr std::string_view folder_marker = "<DIR>";
inline constexpr std::string_view pc64_marker = "<PC64>";

// Every entry of the innermost container, one row each in the container's order, an archive's
// entries named by their whole paths: what the list command prints. Entries with names that
// are no plain paths and encrypted entries are listed and told in problems.
void list_all_entries(container_stack& opened, container_listing& listing);

// The rows of one folder of the innermost container ("" for its top, else a path ending in
// '/'): a disk's or tape's whole directory; an archive's folders (also those its paths imply),
// containers, PC64 files and pictures directly in that folder, each named by its last part.
// Entries whose names are no plain paths are left out and told in problems.
void list_folder(container_stack& opened, std::string_view folder, container_listing& listing);
