#pragma once
// Reading a D64, D71 or D81 disk image: its directory, the sizes of its program files and one
// file's data. Every chain walk is bounded, so a damaged image never hangs the reader or leaves
// its buffers.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "base/file_buffer.h"
#include "base/result.h"
#include "containers/d64/d64_file_type.h"
#include "containers/d64/d64_geometry.h"
#include "containers/d64/sector_chain.h"

// Every kind's directory fits; each kind lists at most its own directory_entries().
inline constexpr int max_dir_entries = max_directory_entries;

struct dir_entry {
  std::array<uint8_t, 16> name{};  // the 16 name bytes, 0xA0 turned into a space
  uint16_t blocks = 0;
  d64_file_type file_type = d64_file_type::del;
  uint8_t first_sector = 0;
  uint8_t first_track = 0;
  int32_t size_bytes = 0;  // written by compute_prg_sizes for program files only
  chain_end chain;         // how the file's sector chain ends; with size_bytes
};

// The last image read and its directory. Large: give it static storage. The image is read
// whole before any of it is, so it is not cleared: its pages cost nothing until a disk is read.
struct d64_reader {
  std::array<uint8_t, max_image_file_size> disk_image;
  const disk_kind* kind = &d64_kind;  // the layout of disk_image
  std::array<uint8_t, d64_sector_size> sector_buffer{};
  std::array<dir_entry, max_dir_entries> dir_entries{};
  uint16_t dir_entry_count = 0;
};

// Copies the sector into sector_buffer, or sets byte 0 of sector_buffer to 0 when it does not
// exist.
void read_sector(d64_reader& reader, uint8_t track, uint8_t sector);

// Reads the image file and lists its directory; its size tells its kind. Fails with why (and no
// entries) when the file cannot be opened, is not a regular file or has a size of no kind; such
// a file leaves the last image and its kind as they were.
result<> read_directory(d64_reader& reader, const std::filesystem::path& file_name);

// As read_directory, over image bytes already in memory.
result<> read_directory_from_bytes(d64_reader& reader, std::span<const uint8_t> image);

// Sets size_bytes and chain of every listed program file from its sector chain.
void compute_prg_sizes(d64_reader& reader);

// Copies the data bytes of the chain from track/sector into file from index 0, wrapping at 65536,
// up to where the chain ends or breaks; tells which.
sector_chain read_file_chain(d64_reader& reader, uint8_t track, uint8_t sector, file_buffer& file);
