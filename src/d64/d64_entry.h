#pragma once
// Naming one file of a disk image on the command line ("IMAGE.d64:N") and reading it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "d64/d64_read.h"
#include "formats/picture_model.h"

struct d64_entry_ref {
  std::string image;   // host name of the image file
  uint32_t index = 0;  // 0-based directory entry, as the list command numbers them
};

// Whether the name ends in ".d64", ".d71" or ".d81", in any case.
bool has_disk_image_extension(std::string_view name);

// Splits "IMAGE.d64:N" (".d64", ".d71" or ".d81" in any case, N plain decimal digits); nullopt
// otherwise.
std::optional<d64_entry_ref> parse_d64_entry_ref(std::string_view input);

enum class d64_entry_status : uint8_t { read, image_unreadable, no_such_entry, not_a_program };

struct d64_entry_result {
  d64_entry_status status = d64_entry_status::image_unreadable;
  std::string name;        // the entry's 16-character name, as a caption shows it
  int32_t size_bytes = 0;  // the chain's size, which names the picture format
};

// Lists the image and copies the chain of the given program file into file from index 0.
d64_entry_result read_d64_entry(d64_reader& reader, const d64_entry_ref& ref, file_buffer& file);

// Why an entry could not be read, for a status other than read.
std::string_view d64_entry_message(d64_entry_status status);
