#pragma once
// Telling a picture file's format: by its exact size (the seventeen sizes), by its size and C64
// load address (the further formats), and by the extension of its name.
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

struct format_entry;

// Gives the first count bytes of the file being identified: fewer when the file is shorter or
// cannot be read. Identification asks only for what it needs: none when the size decides, the
// two bytes of the load address, or a packed file whole.
using file_peek = std::function<std::span<const uint8_t>(uint32_t count)>;

// Where the file being identified lies. A disk image is read whole before its entries are
// listed, so an entry's bytes cost nothing more; a host file's cost opening and reading it.
enum class file_place : uint8_t { host, disk_image };

// The format_id of a file of size bytes that is a ".vic" file, a disk image entry, or has a
// name that names no format (".pic", ".prg", no extension): the seventeen sizes first, then the
// further formats by size and load address; 0 when none fits. Packed files are read whole to
// be told, so only in a disk image, whose entries are in memory: there a packed format's mark
// tells it before sizes do, and one without a mark is tried by unpacking at its load addresses
// to a stream that ends with the file. On the host, a listing would have to read every file
// whose size names no format.
uint8_t identify_by_content(int64_t size, const file_peek& peek, file_place place);

// The format_id of a file of size bytes with this name: when the name's extension names
// formats, the one among them that has its size (with or without its load address, where the
// format lists a size without), or for a packed one, whose mark it carries and that it unpacks
// as, whatever its load address, which decides only between several such formats; else the
// packed format whose mark it carries (a picture saved under another picture's name); else the
// seventeen sizes, else 0. For any other name, identify_by_content on the host.
uint8_t identify_file(std::string_view name, int64_t size, const file_peek& peek);

// The first packed format that the name's extension names, or nullptr: what a file of that name
// was meant to be when it is told as no format.
const format_entry* packed_format_named_by(std::string_view name);

// What a file's name says about it being a picture, for the browser's listing.
enum class picture_name : uint8_t {
  always,         // ".vic", or an extension that names a format (any case): listed
  if_identified,  // ".pic", ".prg" or no extension: listed when its content names a format
  never,          // any other extension
};
picture_name picture_name_kind(std::string_view name);

// Whether a file of size bytes that starts with this load address has the size and one of the
// load addresses of an unpacked format: strict enough to pick C64 pictures out of files of
// every other kind by their content alone, where nothing names them.
bool has_picture_size_and_address(int64_t size, uint16_t load_address);

// Every extension that names a picture (lower case, without the dot): "vic", then each
// format's in table order, each once.
std::vector<std::string_view> picture_extensions();
