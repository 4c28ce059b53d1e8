#pragma once
// Why a file of a disk image cannot be read as a picture file.
#include <optional>
#include <string>
#include <string_view>

#include "containers/d64/d64_read.h"

inline constexpr std::string_view not_a_program_message = "the directory entry is not a PRG file";
inline constexpr std::string_view partition_message =
    "the directory entry is a partition (CBM); partitions are listed, not opened";

// Why the entry cannot be read as a file: partition_message, not_a_program_message, or its
// broken sector chain (after compute_prg_sizes); nothing for a whole program file.
std::optional<std::string> why_entry_is_unreadable(const dir_entry& entry);
