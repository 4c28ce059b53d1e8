#pragma once
// Getting the picture named on the command line into file_buffer.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/file_buffer.h"
#include "base/result.h"

class container_stack;

struct render_input {
  std::string picture_name;  // the name the browser shows, used in the caption
  int64_t size = 0;          // the file's size in bytes, which names its format
  uint32_t bytes_read = 0;   // bytes placed in file_buffer from index 0
  uint8_t format_id = 0;     // the picture format its name, size and content tell; 0 for none
};

// The browser's form of a host file name: its base name with the first letter upper-cased.
std::string browser_picture_name(std::string_view path);

// Reads the picture that input names whole into file and tells its format: a host file (a PC64
// file's payload), or CONTAINER:N and CONTAINER:N:M for an entry of a container (unless a file
// of that exact name exists), read through opened. The stack is large: it is made here when
// the first input that needs it comes, a plain picture file never does. Fails with why it
// could not be read.
result<render_input> read_render_input(std::string_view input, file_buffer& file,
                                       std::unique_ptr<container_stack>& opened);

// Opens the containers that path names down to the one that holds its last entry: the host
// file, then each entry but the last entered in turn.
result<> open_container_path(container_stack& opened, const std::string& file,
                             std::span<const uint32_t> entries);

// Whether output names the file that input reads (the host file, or the container a
// CONTAINER:N names), through any link: writing it would destroy the input.
bool output_is_input(const std::string& output, const std::string& input);
