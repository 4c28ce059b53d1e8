#pragma once
// Naming an entry of a container on the command line: "FILE:N" for entry N of a container
// file, "FILE:N:M" for entry M of the container that is entry N (a disk image in a zip).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct container_path {
  std::string file;               // the host file
  std::vector<uint32_t> entries;  // the entry numbers from the outermost container inward
};

// Splits the input into a host file and up to three entry numbers (plain decimal digits) when
// the input itself names no file and its first part names an existing file or a container
// by its name; nothing otherwise. Numbers beyond any listing saturate instead of wrapping.
std::optional<container_path> parse_container_path(std::string_view input);
