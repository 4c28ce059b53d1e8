#pragma once
// Naming one file of a disk image on the command line ("IMAGE.d64:N") and reading it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_buffer.h"
#include "containers/d64/d64_read.h"

struct d64_entry_ref {
  std::string image;   // host name of the image file
  uint32_t index = 0;  // 0-based directory entry, as the list command numbers them
};

// Whether the name ends in ".d64", ".d71" or ".d81", in any case.
bool has_disk_image_extension(std::string_view name);

// Splits "IMAGE.d64:N" (".d64", ".d71" or ".d81" in any case, N plain decimal digits); nullopt
// otherwise.
std::optional<d64_entry_ref> parse_d64_entry_ref(std::string_view input);

inline constexpr std::string_view no_such_entry_message =
    "the disk image has no directory entry with that number";
inline constexpr std::string_view not_a_program_message = "the directory entry is not a PRG file";
inline constexpr std::string_view partition_message =
    "the directory entry is a partition (CBM); partitions are listed, not opened";

struct d64_entry_read {
  std::string name;        // the entry's 16-character name, as a caption shows it
  int32_t size_bytes = 0;  // the chain's size, which names the picture format
};

// Why the entry cannot be read as a file: partition_message, not_a_program_message, or its
// broken sector chain (after compute_prg_sizes); nothing for a whole program file.
std::optional<std::string> why_entry_is_unreadable(const dir_entry& entry);

// Lists the image and copies the chain of the given program file into file from index 0;
// fails with why the image cannot be read, no_such_entry_message, or why_entry_is_unreadable.
result<d64_entry_read> read_d64_entry(d64_reader& reader, const d64_entry_ref& ref,
                                      file_buffer& file);
